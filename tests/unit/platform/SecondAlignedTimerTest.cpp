// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SecondAlignedTimer.h"
#include "fakes/FakeLocalClock.h"
#include "platform/linux/SystemLocalClock.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <vector>

namespace ql {
namespace {

// Runs the real event loop until the condition holds or the limit passes.
bool runUntil(const std::function<bool()>& done, int limitMs = 5000) {
    QDeadlineTimer deadline(limitMs);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    return done();
}

class SecondAlignedTimerTest : public ::testing::Test {
  protected:
    FakeLocalClock clock;
    SecondAlignedTimer timer{clock};
    int fired = 0;
    void start() {
        timer.start([this] { ++fired; });
    }
};

// Whatever the phase of the wall clock, the window must not wait for a boundary to appear.
TEST_F(SecondAlignedTimerTest, StartFiresAtOnceAndArmsForTheNextBoundaryPlusOne) {
    clock.msToNext = 1000;
    start();
    ASSERT_TRUE(runUntil([&] { return fired == 1; }, 900)) << "waited for a boundary";
    EXPECT_TRUE(timer.isActive());
    EXPECT_LE(timer.remainingTime(), 1001);
    EXPECT_GT(timer.remainingTime(), 700);
}

// Each firing reads the phase anew: a clock stepped back or forward, a jump over midnight or a
// resume days later only moves the next boundary.
TEST_F(SecondAlignedTimerTest, EveryFiringTakesTheNextBoundaryFromTheClock) {
    start();
    ASSERT_TRUE(runUntil([&] { return fired == 1; }));
    for (int phase : {250, 1, 999, 600, 1000}) {
        clock.msToNext = phase;
        const int before = fired;
        start(); // fires at once, then reads the phase
        ASSERT_TRUE(runUntil([&] { return fired == before + 1; })) << phase;
        EXPECT_LE(timer.remainingTime(), phase + 1) << phase;
        EXPECT_GT(timer.remainingTime(), phase + 1 - 200) << phase;
    }
}

TEST_F(SecondAlignedTimerTest, GoesOnInsideANestedEventLoop) {
    clock.msToNext = 1; // a boundary every 2 ms keeps the test short
    int firedInside = 0;
    bool nested = false;
    timer.start([&] {
        ++fired;
        if (nested) {
            ++firedInside;
            return;
        }
        nested = true; // as a modal window opened by the tick would
        runUntil([&] { return firedInside >= 3; });
        nested = false;
    });
    ASSERT_TRUE(runUntil([&] { return fired >= 1; }));
    EXPECT_GE(firedInside, 3);
}

TEST_F(SecondAlignedTimerTest, StoppedItStaysQuiet) {
    clock.msToNext = 1;
    start();
    ASSERT_TRUE(runUntil([&] { return fired >= 2; }));
    timer.stop();
    const int at = fired;
    runUntil([] { return false; }, 50);
    EXPECT_EQ(fired, at);
    EXPECT_FALSE(timer.isActive());
    EXPECT_EQ(timer.remainingTime(), -1);
}

// On the real wall clock: every firing after the first falls in a new second, never twice in the
// one that is ending.
TEST(SecondAlignedTimerRealClockTest, FiresOnceInEachNewSecond) {
    SystemLocalClock wall;
    SecondAlignedTimer timer(wall);
    std::vector<std::time_t> seconds;
    timer.start([&] {
        timespec ts{}; // time() reads a coarse clock that lags the second
        clock_gettime(CLOCK_REALTIME, &ts);
        seconds.push_back(ts.tv_sec);
    });
    ASSERT_TRUE(runUntil([&] { return seconds.size() == 3; }, 6000));
    EXPECT_GT(seconds[1], seconds[0]);
    EXPECT_GT(seconds[2], seconds[1]);
}

} // namespace
} // namespace ql
