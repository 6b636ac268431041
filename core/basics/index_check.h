#pragma once
// The checked build (sanitizers on) compares the game's lookup indexes with a walk over their
// tables. A walk on every lookup made whole seasons in that build many times slower, and slower with
// every season as the tables grow; one in eight still took most of a season's time there, so one
// lookup in thirty-two is compared. An index left out of date by a change nobody reported stays wrong
// for the lookups that follow, so the sampled check still stops the game within a few dozen of them.
namespace tarvelon {

// The lookups compared are those whose count has these bits clear: one in thirty-two. A tool that plays
// thousands of seasons in this build (tools/savesweep) compares fewer.
inline unsigned& SampledIndexCheckMask()
{
    static unsigned mask = 31u;
    return mask;
}

inline bool SampledIndexCheck()
{
    static unsigned lookups = 0;
    return (++lookups & SampledIndexCheckMask()) == 0;
}

}  // namespace tarvelon
