#pragma once
// The national teams of a new game with a national-team tournament: one `NationalTeams` record, one
// `Clubs` entry and the players of every national-squad file in "teams/selecoes/".

namespace tarvelon {

// Reads "teams/selecoes/*.nsx" and appends the national teams of the files saved in the current
// format whose squads can field eleven. A squad naming no known country is left out; a player whose position the game does not
// know is left out; unknown traits read as none and an unknown side as right.
void LoadNationalTeams();

// The confederation a national team plays in: its country's, but México (131) plays in the fourth.
int NationalTeamConfederation(int country);

}  // namespace tarvelon
