#pragma once
// What the draws need from other parts of the game's rules that sit above them: the champions of the
// history records and the coach career's hiring. The modules that own those rules install them here
// (the history's FindChampion, the coach career's HireCoach); until then no champion is known and no
// coach is hired, and tests install their own.
#include <functional>

namespace tarvelon {

struct DrawServices {
    // The club that won competition `kind` of `region` (a country id: its league, cup or
    // confederation) in `season`; -1 when none.
    std::function<int(int kind, int region, int season)> findChampion;

    // The club takes the coach on.
    std::function<void(int club, int coach)> hireCoach;
};

DrawServices& Draws();

// Asks the installed history for a champion; -1 without one.
int FindDrawChampion(int kind, int region, int season);

}  // namespace tarvelon
