#pragma once
// Two-leg knockout ties of the national cup (kind 2) and the continental cups (kinds 4 and 6): who
// goes through after the return leg, the loser's exit, the champion, and the next stage's pairings.
// A tie is two consecutive fixtures: the first leg, then the return leg with home and away swapped.

namespace tarvelon {

// With club X at home in the first leg (x1 : y1) and away in the return (y2 : x2): 1 when X goes
// through, 2 when Y does, 3 when legs won, aggregate and away goals are all level.
int DecideTwoLegTie(int firstLegHomeGoals, int firstLegAwayGoals, int returnHomeGoals, int returnAwayGoals);

// After the return legs of today's stage of the league or edition CurrentLeague (national cup at any
// stage, continental cups from stage 4): each tie whose clubs are known is decided in fixture order
// (a shoot-out when level), the loser leaves, and the winners fill the next stage's ties in pairs;
// after the final the champion is crowned. Does nothing on any other day.
void ResolveKnockoutStage();

// The loser of the tie whose first leg is `fixture` leaves the competition and gets its placing.
void EliminateTieLoser(int fixture, int winner);

// The quick shoot-out of two computer clubs whose tie starts with first leg `fixture`: both kick
// Random(8) + 1 and the winner scores one more than the loser; stored in the day's match and the
// fixture. 1 when the fixture's home club won.
int RandomClubCupShootout(int fixture);

}  // namespace tarvelon
