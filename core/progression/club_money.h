#pragma once
// Small helpers for the money and mood that prizes and ties move.
#include <cstdint>

namespace tarvelon {

// Prize money: into the club's cash and into the prizes of its season accounts (whole units).
void PayClubPrize(int club, std::int64_t units);

// Board confidence and supporters' mood moved by the given amounts, each kept within 0..100.
void MoveClubMood(int club, int supportersChange, int boardChange);

// True for an index of Clubs.
bool IsClubEntry(int club);

// True for a club of the played leagues (below the league-club count).
bool IsLeagueClub(int club);

}  // namespace tarvelon
