// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"
#include "platform/linux/SecondAlignedTimer.h"

#include <QDeadlineTimer>

namespace ql {
namespace {

// The tick as the running program gets it: from its own timer on the real event loop, with the
// fake clock's phase set so that a boundary comes every 2 ms.
class TickTimerTest : public MainWindowFixture {
  protected:
    SecondAlignedTimer timer{fakes.clock};
    void SetUp() override {
        MainWindowFixture::SetUp();
        fakes.tickTimer = &timer;
    }
    struct Moment {
        int h, m, s, day, dayOfWeek;
        const char* shown; // what a screen reader hears of the face
    };
    void setClock(const Moment& t) {
        fakes.clock.set(t.h, t.m, t.s);
        fakes.clock.setDate(t.day, t.dayOfWeek);
    }
    bool seen(const Moment& t) const { return face()->accessibleName() == t.shown; }
    bool runUntilSeen(const Moment& t) {
        QDeadlineTimer deadline(3000);
        while (!seen(t) && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents,
                                            5);
        return seen(t);
    }
};

// A clock set back, a night passed in one step, a machine resumed three days later: the next
// boundary shows the new time and date, and the clock goes on from there.
TEST_F(TickTimerTest, ClockJumpsArePickedUpAtTheNextBoundary) {
    struct Row {
        const char* what;
        Moment from, to;
    } rows[] = {
        {"backwards",
         {10, 30, 15, 7, 2, "10:30 AM, Monday 7"},
         {10, 29, 50, 7, 2, "10:29 AM, Monday 7"}},
        {"over midnight",
         {23, 59, 59, 7, 2, "11:59 PM, Monday 7"},
         {0, 0, 1, 8, 3, "12:00 AM, Tuesday 8"}},
        {"three days on",
         {10, 30, 15, 7, 2, "10:30 AM, Monday 7"},
         {10, 30, 15, 10, 5, "10:30 AM, Thursday 10"}},
        {"an hour back",
         {2, 59, 59, 25, 1, "2:59 AM, Sunday 25"},
         {2, 0, 0, 25, 1, "2:00 AM, Sunday 25"}},
    };
    for (const auto& r : rows) {
        storeCurrentSettings();
        fakes.clock.msToNext = 1;
        setClock(r.from);
        create();
        ASSERT_TRUE(runUntilSeen(r.from)) << r.what << ": the first tick did not run";
        setClock(r.to);
        EXPECT_TRUE(runUntilSeen(r.to)) << r.what;
        EXPECT_TRUE(timer.isActive()) << r.what;
        destroy();
    }
}

// Started a whole second before a boundary, the first tick is due at once: the window must not
// wait for the boundary to appear.
TEST_F(TickTimerTest, TheFirstTickIsDueWhenTheEventLoopStartsNotAtTheBoundary) {
    storeCurrentSettings();
    fakes.clock.msToNext = 1000;
    create();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(timer.remainingTime(), 0);
    QDeadlineTimer deadline(5000);
    while (!form->isVisible() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    EXPECT_TRUE(form->isVisible());
    EXPECT_GT(timer.remainingTime(), 900); // and the next one waits for the boundary
}

} // namespace
} // namespace ql
