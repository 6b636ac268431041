// TTimer ticks at its interval while enabled, stops when disabled, restarts on a new interval, and
// waits while a stored form description is being read; its handler may free it, and a tick never
// nests inside its own handler.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <algorithm>
#include <memory>

#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/timer.h"
#include "platform/forms/waits.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon {
namespace {

using test::Pump;
using test::PumpUntil;

TEST(TimerTest, TicksAtItsIntervalWhileEnabled)
{
    TTimer timer(nullptr);
    timer.SetInterval(20);
    int ticks = 0;
    TObject* sender = nullptr;
    timer.OnTimer = [&](TObject* s) {
        ++ticks;
        sender = s;
    };
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_GE(clock.elapsed(), 55);
    EXPECT_EQ(sender, &timer);
    timer.SetEnabled(false);
    const int stopped = ticks;
    Pump(60);
    EXPECT_EQ(ticks, stopped);
}

TEST(TimerTest, DefaultsToOneSecondAndEnabled)
{
    TTimer timer(nullptr);
    EXPECT_EQ(timer.Interval(), 1000);
    EXPECT_TRUE(timer.Enabled());
}

TEST(TimerTest, ZeroIntervalNeverTicksAndANewIntervalRestarts)
{
    TTimer timer(nullptr);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    timer.SetInterval(0);
    Pump(40);
    EXPECT_EQ(ticks, 0);
    timer.SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
}

// With the waits up to a length run at once (the tests' quick clock) a timer that long ticks and a
// pause that long ends as soon as the loop is idle; the interval the form set stays, a longer timer
// and a zero interval keep their ways, and once the quick clock is gone the real times hold again.
TEST(TimerTest, WaitsRunAtOnceTickAtOnceKeepingTheirIntervalAndPausesEndAtOnce)
{
    RunWaitsAtOnce(60000);
    TTimer timer(nullptr);
    timer.SetInterval(60000);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 2; }, 1000));
    EXPECT_EQ(timer.Interval(), 60000);
    QElapsedTimer clock;
    clock.start();
    Application->PauseRepaintingOnly(60000);
    EXPECT_LT(clock.elapsed(), 1000);
    TTimer longer(nullptr);
    longer.SetInterval(60001);
    TTimer idle(nullptr);
    idle.SetInterval(0);
    int otherTicks = 0;
    longer.OnTimer = idle.OnTimer = [&](TObject*) { ++otherTicks; };
    Pump(40);
    EXPECT_EQ(otherTicks, 0);
    RunWaitsAtOnce(-1);
    timer.SetInterval(59999);  // started again, now at its real interval
    const int quick = ticks;
    Pump(40);
    EXPECT_EQ(ticks, quick);
}

TEST(TimerTest, HandlerMayStopItsOwnTimer)
{
    TTimer timer(nullptr);
    timer.SetInterval(5);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) {
        ++ticks;
        timer.SetEnabled(false);
    };
    Pump(60);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerTest, WaitsWhileLoading)
{
    TTimer timer(nullptr);
    timer.BeginLoading();
    timer.SetInterval(5);
    int ticks = 0;
    timer.OnTimer = [&](TObject*) { ++ticks; };
    Pump(40);
    EXPECT_EQ(ticks, 0);
    timer.Loaded();
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 1; }));
}

TEST(TimerTest, HandlerThatFreesItsTimerRunsToItsEndWhole)
{
    // Sets a flag when the handler's captured state goes away.
    struct Probe {
        explicit Probe(bool& gone) : gone_(gone) {}
        ~Probe() { gone_ = true; }
        bool& gone_;
    };
    bool captureGone = false;
    bool wholeAfterFree = false;
    auto* timer = new TTimer(nullptr);
    timer->SetInterval(5);
    auto probe = std::make_shared<Probe>(captureGone);
    timer->OnTimer = [probe, &captureGone, &wholeAfterFree](TObject* sender) {
        Free(sender);
        wholeAfterFree = !captureGone;
    };
    probe.reset();
    ASSERT_TRUE(PumpUntil([&] { return captureGone; }));
    EXPECT_TRUE(wholeAfterFree);
    Pump(30);
}

TEST(TimerTest, EnabledAgainFromADialogOfItsHandlerItTicksOnlyAfterTheHandlerReturned)
{
    // The match clock at 1 ms stops, shows a dialog, and the dialog starts it again.
    TTimer clock(nullptr);
    clock.SetInterval(1);
    int depth = 0;
    int deepest = 0;
    int ticks = 0;
    clock.OnTimer = [&](TObject*) {
        deepest = std::max(deepest, ++depth);
        if (++ticks == 1) {
            clock.SetEnabled(false);
            TForm dialog(nullptr);
            dialog.OnShow = [&](TObject*) { clock.SetEnabled(true); };
            auto* closer = new TTimer(&dialog);
            closer->SetInterval(40);
            closer->OnTimer = [&](TObject*) { dialog.SetModalResult(mrOk); };
            dialog.ShowModal();
            // Started anew by itself too: still no tick before this handler ends.
            clock.SetInterval(2);
            Pump(20);
        } else if (ticks == 2) {
            Pump(20);  // a nested loop of the handler, the timer left running
        }
        --depth;
    };
    ASSERT_TRUE(PumpUntil([&] { return ticks >= 4; }));
    EXPECT_EQ(deepest, 1);
}

}  // namespace
}  // namespace tarvelon
