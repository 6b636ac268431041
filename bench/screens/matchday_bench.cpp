// tarvelon-matchday-bench: the clock ticks of the live matchday in instant play (the screen's tick:
// every match stepped, the events written onto their rows with their icons, the clock labels and
// the gauge) beside the same ticks by the engine alone (every match stepped, nothing shown), on the
// same seeded day: a whole day per iteration, up to its last tick but one (the last books the day),
// from a fresh copy of the game made outside the timed part. "per_tick" is the cost of one tick.
#include <QApplication>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

#include "core/match/match_flags.h"
#include "core/matchday/matchday_driver.h"
#include "core/matchday_rules/matchday_setup.h"
#include "core/records/game_state.h"
#include "core/seasonloop/season_loop.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "screens/common/form_references.h"
#include "screens/common/screen_registry.h"
#include "screens/matchday/in_match_screen.h"
#include "screens/matchday/matchday_screen.h"
#include "tools/gallery/gallery_game.h"

namespace {

using namespace tarvelon;

QTemporaryDir* dataFolder = nullptr;

// The seeded game at the start of a day with matches, in instant play. False with a message when
// the game could not be made.
bool FreshDay(std::string& message)
{
    gallery::GalleryGameOptions options;
    options.dataFolder = dataFolder->path().toStdString();
    options.seed = 11;
    options.daysPlayed = 1;
    if (!gallery::PrepareGalleryGame(options, message))
        return false;
    Game.InstantPlay = 1;
    Game.HalfTimeScreen = 0;
    return true;
}

void CloseEveryForm()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i)
        delete Screen->Forms(i);
    QApplication::processEvents();
}

// The matchday screen of a fresh day, its clock off: the benchmark runs the ticks itself.
TForm46* FreshScreen(std::string& message)
{
    CloseEveryForm();
    if (!FreshDay(message))
        return nullptr;
    auto* screen = dynamic_cast<TForm46*>(CreateScreen("TForm46", nullptr));
    if (screen == nullptr) {
        message = "the matchday screen is not built";
        return nullptr;
    }
    screen->ralt1->SetEnabled(false);
    screen->Show();
    QApplication::processEvents();
    return screen;
}

// Seconds per tick, from the ticks played in the timed part.
void CountTicks(benchmark::State& state, int ticks)
{
    state.counters["per_tick"] =
        benchmark::Counter(ticks, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Each iteration: one whole day on the screen, tick by tick.
void ScreenTicks(benchmark::State& state)
{
    // A human side's red card opens the in-match screen modally: the coach changes nothing.
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        for (int i = 0; i < Screen->FormCount(); ++i)
            if (auto* form = dynamic_cast<TForm88*>(Screen->Forms(i)); form && form->Visible())
                form->Close();
    });
    answerer.start(5);
    std::string message;
    int ticks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TForm46* screen = FreshScreen(message);
        state.ResumeTiming();
        if (screen == nullptr) {
            state.SkipWithError(message.c_str());
            break;
        }
        while (screen->MatchTick() < kLastMatchdayTick - 1) {
            screen->MatchdayTick();
            screen->ralt1->SetEnabled(false);
            ++ticks;
        }
    }
    CountTicks(state, ticks);
    CloseEveryForm();
}

// Each iteration: the same day by the engine alone, tick by tick.
void EngineTicks(benchmark::State& state)
{
    std::string message;
    int ticks = 0;
    for (auto _ : state) {
        state.PauseTiming();
        CloseEveryForm();
        const bool ready = FreshDay(message);
        if (ready) {
            PrepareTodaysMatchday();
            SilentMatchday = true;
            SetupMatchdayOfToday();
        }
        state.ResumeTiming();
        if (!ready) {
            state.SkipWithError(message.c_str());
            break;
        }
        for (int tick = 1; tick < kLastMatchdayTick; ++tick, ++ticks)
            PlayMatchdayTick(tick);
    }
    CountTicks(state, ticks);
    SilentMatchday = false;
}

}  // namespace

int main(int argc, char** argv)
{
    gallery::UseHeadlessDisplay();
    QApplication app(argc, argv);
    QTemporaryDir folder;
    dataFolder = &folder;
    // The sample database is written once; every fresh day reads it.
    gallery::GalleryGameOptions options;
    options.scratchFolder = folder.path().toStdString();
    options.seed = 11;
    options.daysPlayed = 0;
    std::string message;
    if (!gallery::PrepareGalleryGame(options, message)) {
        std::fprintf(stderr, "tarvelon-matchday-bench: %s\n", message.c_str());
        return 1;
    }
    // A day takes a fresh game (about a second, untimed): a few days give steady figures.
    benchmark::RegisterBenchmark("MatchdayDay/Screen/InstantPlay", ScreenTicks)->Iterations(8)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MatchdayDay/EngineAlone", EngineTicks)->Iterations(8)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
