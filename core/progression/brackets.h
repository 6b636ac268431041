#pragma once
// The bracket competitions after a matchday: the World Cup (kind 7), the Copa América (8) and the
// Eurocopa (9) in NationalCupTies, the club world cup (5) in ClubWorldCupTies. The day's matches
// play the ties of the round in order; level ties go to a shoot-out; the winners fill the next round.
// Tie goals: results[0] for the first team, results[1] for the second.
#include <vector>

namespace tarvelon {

// Bracket ties still level after the day's match, decided by shoot-outs before the next round.
extern std::vector<int> PendingShootouts;

// Winner := the team of that side (1 or 2); the loser leaves the tournament while the semi-finals
// are still to be played (its losers stay in for the third place).
void SetTournamentTieWinner(int tie, int side);    // World Cup
void SetTournamentTieWinner16(int tie, int side);  // Copa América, Eurocopa
void SetClubWorldCupTieWinner(int tie, int side);

// The next round of the brackets from the new stage.
void AdvanceBracket32();
void AdvanceBracket16();
void AdvanceClubWorldCupBracket();

// The progression of the day's kind: results into the ties, stage + 1, winners, shoot-outs, next
// round, and the end of the competition after its final.
void WorldCupAfterMatchday();
void ContinentalTournamentAfterMatchday();  // Copa América and Eurocopa
void ClubWorldCupAfterMatchday();

}  // namespace tarvelon
