#pragma once
// The national cup of a league: its entrants and first ties, written into the cup's fixtures that the
// fixture builder left undrawn.

namespace tarvelon {

// Chooses the entrants of the league's cup and pairs them into the first stage's ties.
void DrawNationalCup(int league);

// The stage the league's cup starts at: 1 with 32 clubs, 2 with 16.
int NationalCupFirstStage(int league);

}  // namespace tarvelon
