#include "core/match/played_today.h"

#include <cstdint>
#include <vector>

#include "core/records/game_state.h"
#include "core/records/table_reset.h"

namespace tarvelon {

namespace {

// By player, the day he last played, as Stamp() writes it; 0 for never. A stamp names the season
// and the day, so a mark is never taken for a later day's; a new or a loaded game starts without any.
std::vector<std::int64_t> lastDayPlayed;

const GameTableReset forgetWhoPlayed([] { lastDayPlayed.clear(); });

std::int64_t Stamp() { return static_cast<std::int64_t>(Game.Season) * 1000 + Game.DayIndex + 1; }

}  // namespace

void NotePlayedToday(int player)
{
    if (player < 0)
        return;
    const auto index = static_cast<std::size_t>(player);
    if (index >= lastDayPlayed.size())
        lastDayPlayed.resize(index + 1, 0);
    lastDayPlayed[index] = Stamp();
}

bool PlayedToday(int player)
{
    const auto index = static_cast<std::size_t>(player);
    return player >= 0 && index < lastDayPlayed.size() && lastDayPlayed[index] == Stamp();
}

}  // namespace tarvelon
