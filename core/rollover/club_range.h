#pragma once
// The clubs the rollover walks: the league and extra clubs come first in `Clubs`, the national-team
// entries after them.
#include <algorithm>
#include <cstddef>

#include "core/records/game_state.h"
#include "core/tables.h"

namespace tarvelon {

inline bool IsGameClub(int club) { return club >= 0 && static_cast<std::size_t>(club) < Clubs.size(); }

inline bool IsGameCoach(int coach) { return coach >= 0 && static_cast<std::size_t>(coach) < Coaches.size(); }

// League clubs plus extra clubs, never past the end of `Clubs`.
inline int LeagueAndExtraClubCount()
{
    const long long count = static_cast<long long>(Game.LeagueClubCount) + Game.ExtraClubCount;
    return static_cast<int>(std::clamp<long long>(count, 0, static_cast<long long>(Clubs.size())));
}

}  // namespace tarvelon
