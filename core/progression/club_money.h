#pragma once
// Small helpers for the mood that prizes and ties move (the prize money: core/prizes/prize_payment.h).

namespace tarvelon {

// Board confidence and supporters' mood moved by the given amounts, each kept within 0..100.
void MoveClubMood(int club, int supportersChange, int boardChange);

// True for an index of Clubs.
bool IsClubEntry(int club);

// True for a club of the played leagues (below the league-club count).
bool IsLeagueClub(int club);

}  // namespace tarvelon
