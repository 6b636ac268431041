// tarvelon-season-screens-bench: whole seasons of the gallery's seeded game (every league, one
// human coach) played through the screens from the hub in instant play, as a coach who lets
// everything go by (the driving of the season test).
//
// "Season" splits the wall time of one season into where it went, as counters in seconds and in
// per cent of the season: the match engine's steps (timed inside the engine), the painting of the
// matchday and results screens and of the other screens (Qt's paint and update events), the
// matchday clock's ticks besides those two (the rows' captions, event texts and icons, the pumping,
// the day's booking after the last tick), the other timers and events (clicks, keys, queued changes
// of screen), and the idle time between events: on the matchday it is the clock's interval (1 ms
// in instant play, counted from the end of each tick), on the results their own clock, elsewhere
// mostly the hub's. "coach_continues" leaves each day's results with "Continuar" at once;
// "results_continue_by_themselves" waits for instant play's own clock on the results screen, as a
// player who watches does.
//
// "FiveSeasons" plays five seasons in a row and reports the process's peak resident set after
// each (getrusage); run it alone (--benchmark_filter=FiveSeasons) for the peak of those seasons.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/basics/time_probe.h"
#include "core/records/game_state.h"
#include "platform/forms/screen.h"
#include "screens/common/navigator.h"
#include "screens/matchday/matchday_screen.h"
#include "screens/matchday/results_screen.h"
#include "tests/screens/in_match_answerer.h"
#include "tests/screens/season_from_hub.h"
#include "tools/gallery/gallery_game.h"

namespace {

using namespace tarvelon;
using Clock = std::chrono::steady_clock;

// Where the wall time goes. Idle: outside every event while the matchday is on screen, where the
// driver polls the event loop until the clock's next tick is due (its own checks are a few
// look-ups), or a loop asleep until then; IdleOnResults: the same on the day's results (their own
// clock in instant play); IdleElsewhere: on the other screens (the hub's post-round timer above
// all: the driver waits for the round's questions, as the season test does).
// MatchdayClock: the matchday clock's ticks (what the timer runs), OtherTimers: the other timers'.
enum Part {
    Idle, IdleOnResults, IdleElsewhere, Engine, PaintMatchday, PaintOther, MatchdayClock, OtherTimers, OtherEvents, kParts
};

constexpr std::array<const char*, kParts> kPartNames = {
    "idle_on_matchday", "idle_on_results", "idle_elsewhere", "engine",      "paint_matchday_results",
    "paint_other",      "matchday_ticks",  "other_timers",   "other_events"};

bool StillOpen(const TForm* form)
{
    for (int i = 0; i < Screen->FormCount(); ++i)
        if (Screen->Forms(i) == form)
            return true;
    return false;
}

Part IdlePart()
{
    if (test::Shown<TForm46>())
        return Idle;
    return test::Shown<TForm67>() ? IdleOnResults : IdleElsewhere;
}

// Charges the wall time to the part that has the thread: the innermost event being handled, the
// event loop's sleep, or the time between events. The engine's steps (timed by the engine's own
// probe) are taken out of whatever part ran them. An event's own time is summed while it runs and
// given to its part when it ends (a timer's event becomes a matchday tick once the tick moved).
class TimeSplit {
public:
    void Start()
    {
        seconds_ = {};
        stack_.clear();
        paints_ = 0;
        ticks_ = 0;
        last_ = Clock::now();
        lastEngine_ = EngineStepTime().nanoseconds;
        running_ = true;
    }
    void Stop()
    {
        Charge();
        running_ = false;
    }
    bool Running() const { return running_; }
    void Enter(Part part)
    {
        Charge();
        if (!stack_.empty() && stack_.back().asleep)
            Wake();  // the loop woke for this event
        stack_.push_back({part, 0.0, false});
        if (part == PaintMatchday || part == PaintOther)
            ++paints_;
    }
    void Leave(Part part)
    {
        if (stack_.empty())
            return;
        Charge();
        seconds_[part] += stack_.back().seconds;
        stack_.pop_back();
        if (part == MatchdayClock)
            ++ticks_;
    }
    void AboutToBlock()
    {
        if (!running_)
            return;
        Charge();
        stack_.push_back({IdlePart(), 0.0, true});
    }
    void Awake()
    {
        if (running_ && !stack_.empty() && stack_.back().asleep) {
            Charge();
            Wake();
        }
    }
    double Seconds(Part part) const { return seconds_[part]; }
    double Total() const
    {
        double total = 0;
        for (double s : seconds_)
            total += s;
        return total;
    }
    long Paints() const { return paints_; }
    long Ticks() const { return ticks_; }

private:
    struct OpenEvent {
        Part part;
        double seconds;
        bool asleep;  // the event loop's sleep, charged to idle
    };
    void Wake()
    {
        seconds_[stack_.back().part] += stack_.back().seconds;
        stack_.pop_back();
    }
    void Charge()
    {
        const Clock::time_point now = Clock::now();
        const std::uint64_t engine = EngineStepTime().nanoseconds;
        const double engineSeconds = static_cast<double>(engine - lastEngine_) * 1e-9;
        const double elapsed = std::chrono::duration<double>(now - last_).count() - engineSeconds;
        if (stack_.empty())
            seconds_[IdlePart()] += elapsed;
        else
            stack_.back().seconds += elapsed;
        seconds_[Engine] += engineSeconds;
        last_ = now;
        lastEngine_ = engine;
    }

    std::array<double, kParts> seconds_{};
    std::vector<OpenEvent> stack_;
    Clock::time_point last_;
    std::uint64_t lastEngine_ = 0;
    bool running_ = false;
    long paints_ = 0;
    long ticks_ = 0;
};

TimeSplit split;

// Whether a widget lies on the matchday or the results screen.
bool OnMatchdayOrResults(QObject* receiver)
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr)
        return false;
    QWidget* window = widget->window();
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TForm* form = Screen->Forms(i);
        if ((dynamic_cast<TForm46*>(form) || dynamic_cast<TForm67*>(form)) && form->Widget() == window)
            return true;
    }
    return false;
}

Part PartOfEvent(QObject* receiver, const QEvent* event)
{
    switch (event->type()) {
    case QEvent::Paint:
    case QEvent::UpdateRequest:
    case QEvent::UpdateLater:
        return OnMatchdayOrResults(receiver) ? PaintMatchday : PaintOther;
    case QEvent::Timer:
        return OtherTimers;
    default:
        return OtherEvents;
    }
}

// The application object, timing every event it hands out.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject* receiver, QEvent* event) override
    {
        if (!split.Running())
            return QApplication::notify(receiver, event);
        Part part = PartOfEvent(receiver, event);
        // The matchday's clock is the timer whose event moves the shown matchday's tick (or whose
        // last tick closes the screen).
        TForm46* matchday = part == OtherTimers ? test::Shown<TForm46>() : nullptr;
        const int tickBefore = matchday ? matchday->MatchTick() : -1;
        split.Enter(part);
        const bool handled = QApplication::notify(receiver, event);
        if (matchday && (!StillOpen(matchday) || matchday->MatchTick() != tickBefore))
            part = MatchdayClock;
        split.Leave(part);
        return handled;
    }
};

QTemporaryDir* dataFolder = nullptr;

bool FreshGame(std::string& message)
{
    test::CloseEveryForm();
    gallery::GalleryGameOptions options;
    options.dataFolder = dataFolder->path().toStdString();
    options.seed = 9;
    options.daysPlayed = 0;
    if (!gallery::PrepareGalleryGame(options, message))
        return false;
    Game.InstantPlay = 1;
    Game.autosave = 0;
    return true;
}

double PeakResidentMiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

void ReportSplit(benchmark::State& state)
{
    const double total = split.Total();
    state.counters["season_s"] = total;
    for (int part = 0; part < kParts; ++part) {
        const std::string name = kPartNames[static_cast<std::size_t>(part)];
        state.counters[name + "_s"] = split.Seconds(static_cast<Part>(part));
        state.counters[name + "_pct"] = total > 0 ? 100.0 * split.Seconds(static_cast<Part>(part)) / total : 0.0;
    }
    state.counters["paint_events"] = static_cast<double>(split.Paints());
    state.counters["matchday_ticks"] = static_cast<double>(split.Ticks());
}

// Plays one season from the hub; false (with the state told why) when it did not reach its end.
bool PlayOneSeason(benchmark::State& state, bool resultsContinueByThemselves, test::SeasonFromHubTally& tally)
{
    test::SeasonFromHubDriving driving;
    driving.resultsContinueByThemselves = resultsContinueByThemselves;
    tally = test::PlayToSeasonEnd(driving);
    if (!tally.reachedSeasonEnd)
        state.SkipWithError(tally.failure.c_str());
    return tally.reachedSeasonEnd;
}

void Season(benchmark::State& state, bool resultsContinueByThemselves)
{
    std::string message;
    if (!FreshGame(message)) {
        state.SkipWithError(message.c_str());
        return;
    }
    test::InMatchAnswerer answerer;
    test::SeasonFromHubTally tally;
    const ProbedTime engineBefore = EngineStepTime();
    for (auto _ : state) {
        split.Start();
        OpenScreen("TForm13");
        const bool ended = PlayOneSeason(state, resultsContinueByThemselves, tally);
        split.Stop();
        if (!ended)
            break;
    }
    ReportSplit(state);
    state.counters["days"] = tally.days;
    state.counters["hub_turns"] = tally.hubTurns;
    state.counters["engine_steps"] = static_cast<double>(EngineStepTime().calls - engineBefore.calls);
    test::CloseEveryForm();
}

void FiveSeasons(benchmark::State& state)
{
    std::string message;
    if (!FreshGame(message)) {
        state.SkipWithError(message.c_str());
        return;
    }
    state.counters["peak_rss_before_MiB"] = PeakResidentMiB();
    test::InMatchAnswerer answerer;
    test::SeasonFromHubTally tally;
    int days = 0;
    for (auto _ : state) {
        OpenScreen("TForm13");
        for (int season = 1; season <= 5; ++season) {
            if (!PlayOneSeason(state, false, tally))
                break;
            days += tally.days;
            state.counters["peak_rss_season" + std::to_string(season) + "_MiB"] = PeakResidentMiB();
            if (season == 5)
                break;
            // "Continuar >>" on the season's summary starts the next season.
            auto* summary = dynamic_cast<TForm26*>(test::ShownScreen("TForm26"));
            QTest::mouseClick(summary->bt3->Widget(), Qt::LeftButton);
        }
    }
    state.counters["peak_rss_MiB"] = PeakResidentMiB();
    state.counters["days"] = days;
    test::CloseEveryForm();
}

}  // namespace

int main(int argc, char** argv)
{
    gallery::UseHeadlessDisplay();
    SetTimeProbesOn(true);  // the engine's share of each season
    TimedApplication app(argc, argv);
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     [] { split.AboutToBlock(); });
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::awake, [] { split.Awake(); });
    QTemporaryDir folder;
    dataFolder = &folder;
    const std::filesystem::path startFolder = std::filesystem::current_path();
    // The sample database is written once; every fresh game reads it.
    gallery::GalleryGameOptions options;
    options.scratchFolder = folder.path().toStdString();
    options.seed = 9;
    options.daysPlayed = 0;
    std::string message;
    if (!gallery::PrepareGalleryGame(options, message)) {
        std::fprintf(stderr, "tarvelon-season-screens-bench: %s\n", message.c_str());
        return 1;
    }
    benchmark::RegisterBenchmark("Season/coach_continues", Season, false)
        ->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("Season/results_continue_by_themselves", Season, true)
        ->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
    benchmark::RegisterBenchmark("FiveSeasons", FiveSeasons)->Iterations(1)->UseRealTime()->Unit(benchmark::kSecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::current_path(startFolder);
    return 0;
}
