// tarvelon-screens-bench: creating, laying out and painting each registered screen on a seeded
// sample game (the goal: under 100 ms each). The time is the screen's own (ProbeScreen's), without
// closing and freeing it.
#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

#include "screens/common/screen_probe.h"
#include "screens/common/screen_registry.h"
#include "tools/gallery/gallery_game.h"

namespace {

void OpenScreen(benchmark::State& state, const tarvelon::TScreenRecord* entry)
{
    for (auto _ : state) {
        const tarvelon::TScreenProbe probe = tarvelon::ProbeScreen(*entry);
        if (!probe.Ok()) {
            state.SkipWithError(probe.problems.front().c_str());
            break;
        }
        state.SetIterationTime(probe.milliseconds / 1000.0);
    }
    state.SetLabel(tarvelon::ScreenAreaName(entry->area));
}

}  // namespace

int main(int argc, char** argv)
{
    tarvelon::gallery::UseHeadlessDisplay();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    tarvelon::gallery::GalleryGameOptions options;
    options.scratchFolder = folder.path().toStdString();
    std::string message;
    if (!tarvelon::gallery::PrepareGalleryGame(options, message)) {
        std::fprintf(stderr, "tarvelon-screens-bench: %s\n", message.c_str());
        return 1;
    }
    for (const tarvelon::TScreenRecord* entry : tarvelon::RegisteredScreens())
        benchmark::RegisterBenchmark(("OpenScreen/" + entry->formClass).c_str(), OpenScreen, entry)
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
