#include "core/persist/saved_game_groups.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "core/persist/saved_game_blocks.h"
#include "core/persist/saved_game_index_checks.h"

namespace tarvelon {

namespace {

using savedindex::ClubPlaces;

template <std::size_t Rows, std::size_t Places>
bool AllZero(const std::int32_t (&groups)[Rows][Places])
{
    return std::all_of(std::begin(groups), std::end(groups), [](const std::int32_t (&group)[Places]) {
        return std::all_of(std::begin(group), std::end(group), [](std::int32_t club) { return club == 0; });
    });
}

bool GroupTableHoldsEachClubOnce(const std::int32_t (&table)[8][4], std::size_t clubCount)
{
    if (AllZero(table)) return true;  // a game starts with these tables zeroed, before their first draw
    ClubPlaces places(clubCount);
    return std::all_of(std::begin(table), std::end(table),
                       [&places](const std::int32_t (&group)[4]) { return places.TakeAll(group); });
}

// Every state's tiers, the reserve tiers included, are one competition: a club plays in its own state.
bool StatesHoldEachClubOnce(const std::array<TStateChampionship, kStateCount>& states, std::size_t clubCount)
{
    ClubPlaces places(clubCount);
    return std::all_of(states.begin(), states.end(), [&places](const TStateChampionship& state) {
        return StateNeverDrawn(state) ||
               std::all_of(std::begin(state.groups), std::end(state.groups),
                           [&places](const std::int32_t (&tier)[kStateTierSize]) { return places.TakeAll(tier); });
    });
}

}  // namespace

bool StateNeverDrawn(const TStateChampionship& state)
{
    return state.groupCount == 0 && AllZero(state.groups);
}

bool GroupsHoldEachClubOnce(const TGameState& game, const std::array<TStateChampionship, kStateCount>& states,
                            std::size_t clubCount)
{
    const auto tableHolds = [clubCount](const std::int32_t (&table)[8][4]) {
        return GroupTableHoldsEachClubOnce(table, clubCount);
    };
    return StatesHoldEachClubOnce(states, clubCount) &&
           std::all_of(std::begin(game.ContinentalGroups), std::end(game.ContinentalGroups), tableHolds) &&
           tableHolds(game.NationalGroups);
}

bool SavedGroupsHoldEachClubOnce(const SavedGameImage& image)
{
    return GroupsHoldEachClubOnce(image.game, image.stateChampionships, image.clubs.size());
}

}  // namespace tarvelon
