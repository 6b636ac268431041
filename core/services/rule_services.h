#pragma once
// The rules' own start-up: the services one part of the rules offers another, installed the same
// way by the program, tarvelon-sim, the benchmarks and the tests, and the seeding of a repeatable run.
#include <cstdint>

namespace tarvelon {

// Fills the rules' service tables with the game's own operations: the day rules' shoot-outs, group
// close-outs and computer national squads (Progression()), the history's champions and the coach
// career's hiring (Draws()), the economy's and the coach career's operations of the season
// rollover (Rollover()). Installing them again restores any stand-in a test put in their place.
void InstallRuleServices();

// A run that repeats exactly: the deterministic clock (Hooks().highResolutionClock) and the random
// generator, both derived from `seed`.
void SeedRepeatableRun(std::uint64_t seed);

}  // namespace tarvelon
