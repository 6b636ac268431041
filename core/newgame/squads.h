#pragma once
// The players of the new game: the squad blocks of the club files turned into `Players` records, and
// each club's starting strengths, values and wages.

namespace tarvelon {

// Appends the players of every club's squad block (slots in order, free slots skipped).
void LoadClubSquads();

// Strength, value and wage of every player of the club, from its level (and, for most league
// clubs, its division and the league format). A level above 25 becomes 9 first.
void InitSquadStrengths(int club);

// The strength base of a club ranked by its level alone (extra clubs and the last league club).
int StrengthBaseOfLevel(int level);

// The strength base of a league club by the league format and its division (its level is added).
int StrengthBaseOfDivision(int leagueFormat, int division);

}  // namespace tarvelon
