// A whole new game built from a full database: five leagues of divisions of 20 with the state
// championships, national cups, both continental cup pairs and every national-team tournament, the
// extra clubs of every country of the list and 85 national squads.
#include <benchmark/benchmark.h>

#include <memory>

#include "core/basics/random.h"
#include "core/newgame/new_game_setup.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"

namespace {

using namespace tarvelon;

// The database is written once, into a game folder that lives as long as the benchmark program.
testdb::GameFolder& FullDatabase()
{
    static std::unique_ptr<testdb::GameFolder> folder = [] {
        auto made = std::make_unique<testdb::GameFolder>();
        testdb::WriteDatabase(made->path(), testdb::FullWorld());
        SetProgramFolder(made->path());
        return made;
    }();
    return *folder;
}

NewGameChoices FullGameChoices()
{
    NewGameChoices choices;
    choices.countries = {29, 97, 104, 65, 11};
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.stateChampionships = true;
    choices.humanCoaches = {{"Bancada", testdb::ClubFileBase(29, 0) + ".tcf"},
                            {"Banco", testdb::ClubFileBase(97, 3) + ".tcf"}};
    return choices;
}

void BM_StartNewGameFullDatabase(benchmark::State& state)
{
    FullDatabase();
    const NewGameChoices choices = FullGameChoices();
    for (auto _ : state) {
        RandSeed = 2010;
        const FirstScreen screen = StartNewGame(choices);
        benchmark::DoNotOptimize(screen);
        if (screen == FirstScreen::None)
            state.SkipWithError("the new game was refused");
    }
    state.counters["clubs"] = static_cast<double>(Clubs.size());
    state.counters["players"] = static_cast<double>(Players.size() - 1);
}
BENCHMARK(BM_StartNewGameFullDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
