// TTimer ticks at its interval while enabled, stops when disabled, restarts on a new interval, and
// waits while a stored form description is being read.
#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "platform/forms/timer.h"
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

}  // namespace
}  // namespace tarvelon
