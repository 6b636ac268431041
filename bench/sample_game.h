#pragma once
// A new game from the sample database with every league and competition on (the command's own
// game), seeded so that each start plays the same game: the long-game benchmarks start from it.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/sample_folder.h"
#include "core/services/rule_services.h"
#include "tools/sim/sim_run.h"

namespace tarvelon::bench {

// False, with the benchmark skipped with the reason, when the game cannot start.
inline bool StartSampleGame(benchmark::State& state)
{
    EnterSampleFolder();
    SeedRepeatableRun(1);
    InstallRuleServices();
    std::string message;
    if (sim::StartSimGame(sim::SimOptions{}, message))
        return true;
    state.SkipWithError(message.c_str());
    return false;
}

}  // namespace tarvelon::bench
