#pragma once
// When a knockout tie or a whole cup is decided: the boards and supporters react, the champion and
// the runner-up take prize money, and the histories record placings, honours, titles and scorers.
// Amounts are whole money units; each prize goes into the club's cash and its season's prizes.

namespace tarvelon {

// Set when a national-team tournament's final has been played; the calendar advance reads and
// clears it.
extern bool TournamentJustEnded;

// After a two-leg tie of the national cup (kind 2) or a continental cup (kinds 4, 6) decided at
// `stage`: supporters and board of the winner and the loser move (clubs of a played league only).
void ApplyTieMood(int kind, int stage, int loser, int winner);

// After the final of the national cup or a continental cup: the champion and the runner-up (the
// other club of `finalFixture`) get placings, honours, titles, prize money and honour points.
void AwardCupFinal(int champion, int finalFixture);

// When the club world cup's last stage has been played (ties 5 final, 6 third place).
void FinishClubWorldCup();

// When a national-team tournament's final has been played: World Cup (final tie 15, third place
// 16), Copa América and Eurocopa (final tie 7, third place 8).
void FinishWorldCup();
void FinishCopaAmerica();
void FinishEurocopa();

}  // namespace tarvelon
