#include "core/records/state_championship.h"

#include "core/records/table_reset.h"

namespace tarvelon {

std::array<TStateChampionship, kStateCount> StateChampionships{};

void ClearStateChampionship(TStateChampionship& state)
{
    state = TStateChampionship{};
    for (auto& tier : state.groups)
        for (std::int32_t& place : tier)
            place = -1;
}

namespace {

const GameTableReset resetStates([] {
    for (TStateChampionship& state : StateChampionships)
        ClearStateChampionship(state);
});

}  // namespace

}  // namespace tarvelon
