// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Ticker.h"
#include "fakes/FakeLocalClock.h"
#include "fakes/FakeTickTimer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ql {
namespace {

// Writes down each step the ticker hands over, in order.
struct RecordingHandler : TickHandler {
    std::vector<std::string> steps;
    bool goOn = true;
    bool pendingWork() override {
        steps.push_back("pending");
        return goOn;
    }
    void unitsChanged(TickUnits c, const LocalTime&) override {
        steps.push_back(std::string("changed ") + (c.second ? "s" : "") + (c.minute ? "m" : "") +
                        (c.hour ? "h" : "") + (c.day ? "d" : ""));
    }
    void tickDone(const LocalTime& now) override {
        steps.push_back("done " + std::to_string(now.hour) + ":" + std::to_string(now.minute));
    }
};

TEST(Ticker, ReportsExactlyTheUnitsThatChangedSinceTheLastTick) {
    struct Row {
        int h, m, s, day;
        std::vector<std::string> steps;
        int month = 12, year = 2026;
    } rows[] = {
        {10,
         15,
         0,
         7,
         {"pending", "changed mhd", "done 10:15"}}, // against zeros: second 0 is no change
        {10, 15, 0, 7, {"pending", "done 10:15"}},  // nothing new
        {10, 15, 1, 7, {"pending", "changed s", "done 10:15"}},
        {10, 16, 0, 7, {"pending", "changed sm", "done 10:16"}},
        {11, 16, 0, 7, {"pending", "changed h", "done 11:16"}},
        {0, 0, 0, 8, {"pending", "changed mhd", "done 0:0"}},        // 11:16:00 to midnight
        {0, 0, 0, 9, {"pending", "changed d", "done 0:0"}},          // a day jumped, same time
        {0, 0, 0, 9, {"pending", "changed d", "done 0:0"}, 1, 2027}, // same day, next month
        {0, 0, 0, 9, {"pending", "changed d", "done 0:0"}, 1, 2028}, // same day, next year
    };
    FakeLocalClock clock;
    FakeTickTimer timer;
    RecordingHandler handler;
    Ticker ticker(clock, timer, handler);
    ticker.start();
    for (const Row& r : rows) {
        clock.set(r.h, r.m, r.s);
        clock.setDate(r.day, 1);
        clock.time.month = static_cast<std::uint16_t>(r.month);
        clock.time.year = static_cast<std::uint16_t>(r.year);
        handler.steps.clear();
        timer.fire();
        EXPECT_EQ(handler.steps, r.steps) << r.h << ":" << r.m << ":" << r.s << " day " << r.day;
        EXPECT_EQ(ticker.last().second, r.s);
    }
}

TEST(Ticker, PendingWorkThatEndsTheProgramEndsTheTickBeforeTheClockIsRead) {
    FakeLocalClock clock;
    FakeTickTimer timer;
    RecordingHandler handler;
    Ticker ticker(clock, timer, handler);
    ticker.start();
    clock.set(10, 15, 30);
    handler.goOn = false;
    timer.fire();
    EXPECT_EQ(handler.steps, std::vector<std::string>{"pending"});
    EXPECT_EQ(ticker.now().second, 0) << "the clock was not read";
}

} // namespace
} // namespace ql
