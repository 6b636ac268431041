// A whole season headless from the sample database with every competition on: the leagues, the
// state championships, the national cups, both pairs of continental cups, the club world cup and
// the national-team tournaments, from the first day to the new season's first day.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/sample_folder.h"
#include "core/seasonloop/season_loop.h"
#include "core/services/rule_services.h"
#include "tools/sim/sim_run.h"

namespace {

using namespace tarvelon;

// The second season (the first with the continental cups and the club world cup) of a new game
// made with `options`; the first season is played outside the timing.
void PlaySecondSeason(benchmark::State& state, sim::SimOptions options)
{
    bench::EnterSampleFolder();
    for (auto _ : state) {
        state.PauseTiming();
        StartRules({options.seed});
        std::string message;
        if (!sim::StartSimGame(options, message)) {
            state.SkipWithError(message.c_str());
            return;
        }
        PlaySeason();
        state.ResumeTiming();
        benchmark::DoNotOptimize(PlaySeason());
    }
}

// Every league the database offers, four divisions of 20 clubs: the command's default game.
void BM_SeasonEveryLeague(benchmark::State& state) { PlaySecondSeason(state, sim::SimOptions{}); }
BENCHMARK(BM_SeasonEveryLeague)->Unit(benchmark::kSecond)->Iterations(1);

// Brazil, Argentina and Spain in divisions of 10: the game of the season tests.
void BM_SeasonThreeLeagues(benchmark::State& state)
{
    sim::SimOptions options;
    options.leagues = {29, 11, 65};
    options.divisionSize = 10;
    PlaySecondSeason(state, options);
}
BENCHMARK(BM_SeasonThreeLeagues)->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
