// A whole new game built from the full sample database: five leagues of divisions of 20 with the
// state championships, national cups, both continental cup pairs and every national-team
// tournament, with the extra clubs of every country of the list and every national squad.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "core/basics/random.h"
#include "core/newgame/file_listing.h"
#include "core/newgame/new_game_setup.h"
#include "core/persist/club_file.h"
#include "core/settings/settings.h"
#include "core/tables.h"
#include "tests/core/newgame_database.h"
#include "tools/sampledata/sample_database.h"

namespace {

using namespace tarvelon;

// The database is written once, into a game folder that lives as long as the benchmark program.
void EnterFullDatabase()
{
    static std::unique_ptr<testdb::GameFolder> folder = [] {
        auto made = std::make_unique<testdb::GameFolder>();
        sampledata::WriteSampleDatabase(made->path(), 7);
        SetProgramFolder(made->path());
        return made;
    }();
}

// The first club file of the country in the folder's listing.
std::string FirstClubFileOf(int country)
{
    for (const std::string& name : ListDataFiles("teams", ".tcf")) {
        TClubHeader header;
        if (ReadClubFileListing("teams/" + name, header) == DatabaseFileError::None && header.country == country)
            return name;
    }
    return {};
}

NewGameChoices FullGameChoices()
{
    NewGameChoices choices;
    choices.countries = {29, 97, 104, 65, 11};
    choices.leagueFormat = kLeagueFormatDivisionsOf20;
    choices.stateChampionships = true;
    choices.humanCoaches = {{"Bancada", FirstClubFileOf(29)}, {"Banco", FirstClubFileOf(97)}};
    return choices;
}

void BM_StartNewGameFullDatabase(benchmark::State& state)
{
    EnterFullDatabase();
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
