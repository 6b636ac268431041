#pragma once
// Shared steps of the national-team tournament draws (not for use outside the draws).
#include <vector>

namespace tarvelon {

// A group table of the national-team draws: group g (1..8), place p (1..4) at [g-1][p-1].
using NationalGroupTable = int[8][4];

// The tournament state every draw starts from: no tournament day begun, no human-coached national
// team, stage and leg 1.
void ResetNationalTournamentState();

// Writes the groups into `Game` (groups beyond `groups` emptied) and marks every drawn side with its
// group, place and entry; empty places are skipped.
void PlaceNationalGroups(const NationalGroupTable& table, int groups, bool mark);

// Sorts the drawn sides of `Game`'s groups by level (ties by a fresh random key) into the tournament rows.
void WriteTournamentRows(int groups);

// The club entries of the listed countries (-1 for a country without a national team in play).
std::vector<int> NationalTeamClubs(const int* countries, int n);

}  // namespace tarvelon
