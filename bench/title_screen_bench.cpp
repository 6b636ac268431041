// The title screen's start-up: the form with its whole start-up work (tables, cursors, sounds,
// flag lists), and the art kit's pictures on their own.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "platform/forms/application.h"
#include "platform/graphics/image_list.h"
#include "screens/common/art/art_kit.h"
#include "screens/common/art/title_art.h"
#include "screens/common/screen_registry.h"
#include "screens/start/title_screen.h"
#include "screens/screens_registration.h"

namespace {

// One offscreen application for the benchmarks that need windows.
void EnsureApplication()
{
    static int argc = 1;
    static char name[] = "tarvelon-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QApplication(argc, argv);
        tarvelon::RegisterGameScreens();
        return created;
    }();
    (void)app;
}

// Creating the title screen runs its start-up; showing it lays it out and paints it.
void BM_TitleScreenStartUp(benchmark::State& state)
{
    EnsureApplication();
    for (auto _ : state) {
        tarvelon::TGameForm* title = tarvelon::CreateScreen("TForm1", tarvelon::Application);
        title->Show();
        QApplication::processEvents();
        delete title;
    }
}
BENCHMARK(BM_TitleScreenStartUp)->Unit(benchmark::kMillisecond);

void BM_TitlePicture(benchmark::State& state)
{
    EnsureApplication();
    for (auto _ : state)
        benchmark::DoNotOptimize(tarvelon::art::DrawTitlePicture());
}
BENCHMARK(BM_TitlePicture)->Unit(benchmark::kMillisecond);

void BM_FlagLists(benchmark::State& state)
{
    for (auto _ : state) {
        tarvelon::TImageList countries, states;
        tarvelon::art::FillCountryFlags(countries);
        tarvelon::art::FillStateFlags(states);
        benchmark::DoNotOptimize(countries.Count() + states.Count());
    }
}
BENCHMARK(BM_FlagLists)->Unit(benchmark::kMillisecond);

}  // namespace
