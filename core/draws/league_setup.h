#pragma once
// Filling a played league with its country's clubs at a new game: the clubs of the club-file catalogue
// are appended to `Clubs` and dealt into the league's divisions by level.

namespace tarvelon {

// Appends the playable clubs of `country` from the new game's club-file catalogue
// (`CustomChampionshipClubs` / `CustomChampionshipFiles`) to `Clubs` and `ClubFileNames`, deals them
// into the divisions of `Leagues[league]` and adds their number to the game's league-club count.
void AddCountryClubs(int league, int country);

// Ranks the clubs just appended (by level, ties by a fresh random key) and deals them in order into
// the divisions of the league; clubs beyond the divisions stay regional (division 0).
void DealClubsIntoDivisions(int league);

// Comparator of the deal: higher level first; equal levels by the lower random key first.
int CompareClubsByLevel(const void* a, const void* b);

// Number of divisions a league of `clubs` clubs gets: divisions of 20 (league format 2) or of 10.
int DivisionCountFor(int clubs, bool divisionsOfTwenty);

// Clubs per division of the game's league format (20 for format 2, 10 for format 4).
int DivisionSize();

}  // namespace tarvelon
