// tarvelon-standings-bench: opening the standings with the most tables a game has (four divisions,
// the state championships' groups, both continental cups' groups drawn), created, laid out and
// painted as the screens bench measures a screen (the goal: under 100 ms).
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "screens/common/screen_probe.h"
#include "screens/common/screen_registry.h"
#include "tools/gallery/gallery_game.h"

namespace {

void OpenStandings(benchmark::State& state)
{
    const tarvelon::TScreenRecord* entry = tarvelon::FindScreen("TForm36");
    for (auto _ : state) {
        const tarvelon::TScreenProbe probe = tarvelon::ProbeScreen(*entry);
        if (!probe.Ok()) {
            state.SkipWithError(probe.problems.front().c_str());
            break;
        }
        state.SetIterationTime(probe.milliseconds / 1000.0);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    tarvelon::gallery::UseHeadlessDisplay();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    tarvelon::gallery::GalleryGameOptions options;
    options.scratchFolder = folder.path().toStdString();
    options.seasonsPlayed = 1;  // the continental groups drawn
    options.stateChampionships = true;
    std::string message;
    if (!tarvelon::gallery::PrepareGalleryGame(options, message)) {
        std::fprintf(stderr, "tarvelon-standings-bench: %s\n", message.c_str());
        return 1;
    }
    benchmark::RegisterBenchmark("OpenStandings/MostTables", OpenStandings)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
