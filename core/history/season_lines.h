#pragma once
// Finding history records without walking their whole tables: a player's season line (his games,
// goals and cards for one club in one season), his goal tallies (of the season and of all
// seasons, by competition) and a coach's season row. See FirstRecordLookup.
//
// These tables only grow during a game; code that replaces them (a loaded game) calls
// HistoryTablesChanged(). Builds with TARVELON_CHECK_INDEXES compare a sample of the lookups with a walk
// (SampledIndexCheck).
#include <vector>

#include "core/records/history_records.h"

namespace tarvelon {

// The index in PlayerSeasonStats of the first line of (player, season, club), or -1.
int FindSeasonLine(int player, int season, int club);

// The index in `tallies` (GoalTallies or AllTimeGoalTallies) of the first tally of (player,
// competition), or -1.
int FindGoalTally(const std::vector<TGoalTally>& tallies, int player, int competition);

// The index in AllTimeGoalTallies of the player's first tally, whatever its competition, or -1.
int FindFirstAllTimeTally(int player);

// The index in CoachSeasons of the first row of (coach, club, season), or -1.
int FindCoachSeasonRow(int coach, int club, int season);

// Forgets the lookups after the tables above were replaced.
void HistoryTablesChanged();

}  // namespace tarvelon
