#pragma once
// The day as the match rules see it: today's competition kind and calendar date, and the matchday
// tables' lifecycle.

#include "core/season/calendar.h"  // TodayDate()

namespace tarvelon {

// The competition kind of the day (0..9; anything else reads as 0, so per-kind arrays stay in range).
int TodayKind();

// Matches := 41 zeroed entries with `matchCount` in use; the venue texts are cleared.
void ResetMatchday(int matchCount);

// Empties the lists of one matchday: MatchEvents, BookedPlayers and Lineups (LineupCount 0).
void ClearMatchdayTables();

}  // namespace tarvelon
