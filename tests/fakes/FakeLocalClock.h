// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "fakes/FakeJournal.h"
#include "platform/LocalClock.h"

namespace ql {

class FakeLocalClock : public LocalClock {
  public:
    LocalTime time{2026, 12, 7, 10, 29, 59, 2}; // a Monday
    FakeJournal* journal = nullptr;
    int msToNext = 1000; // the phase of the wall clock within its second
    LocalTime now() const override {
        if (journal) journal->add("clock.now");
        return time;
    }
    int msToNextSecond() const override { return msToNext; }
    void set(int h, int m, int s) {
        time.hour = static_cast<std::uint16_t>(h);
        time.minute = static_cast<std::uint16_t>(m);
        time.second = static_cast<std::uint16_t>(s);
    }
    void setDate(int day, int dayOfWeek) {
        time.day = static_cast<std::uint16_t>(day);
        time.dayOfWeek = static_cast<std::uint16_t>(dayOfWeek);
    }
};

} // namespace ql
