#pragma once
// The in-play penalty as the narration dialogs play it for a human side: the goalkeeper facing the
// kick, the taker against a human side, and the chance of scoring.
namespace tarvelon {

// The defending club's goalkeeper: its eleventh line-up entry when he is on the pitch, else its
// first starter on the pitch who plays in goal, else its first starter on the pitch; -1 for none.
int PenaltyGoalkeeper(int defendingClub);

// The taker of a penalty against a human side: the club's set-piece taker when on the pitch, else
// its starters from place 10 down to 1, the first on the pitch; when none of them is, any player of
// the line-up still on the pitch (the goalkeeper included); -1 for none.
int PenaltyTakerOf(int kickingClub);

// The chance of scoring in percent: 70 (80 for a finisher, first trait 9), + 5 for a second trait 9,
// + 5 for a star taker; - 15 against a penalty-stopping keeper (first trait 1), - 10 for a second
// trait 1, - 5 against a star keeper.
int PenaltyScoringChance(int taker, int keeper);

// Draws the kick: missed when chance < Random(100) + 1. True when scored.
bool DrawPenaltyScored(int chance);

}  // namespace tarvelon
