// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LocalClock.h"
#include "platform/TickTimer.h"

namespace ql {

// Which units of the local time differ from the previous tick's reading.
struct TickUnits {
    bool second = false;
    bool minute = false;
    bool hour = false;
    bool day = false;
    bool any() const { return second || minute || hour || day; }
};

// Receives the tick's steps in their fixed order. Called on every tick, so each step must stay
// cheap when there is nothing to do.
class TickHandler {
  public:
    virtual ~TickHandler() = default;
    // Work waiting for the next tick (start-up windows, a deferred close); false ends the tick.
    virtual bool pendingWork() = 0;
    virtual void unitsChanged(TickUnits changed, const LocalTime& now) = 0;
    // After this reading has become the previous one.
    virtual void tickDone(const LocalTime& now) = 0;
};

// The clock tick: reads the local clock at each firing of the tick timer (just after each second
// boundary, and once at start) and reports which units changed.
class Ticker {
  public:
    Ticker(LocalClock& clock, TickTimer& timer, TickHandler& handler);
    // The timer may outlive the tick it drives.
    ~Ticker() { timer_.stop(); }
    Ticker(const Ticker&) = delete;
    Ticker& operator=(const Ticker&) = delete;

    void start() {
        timer_.start([this] { Timer1Timer(); });
    }
    void stop() { timer_.stop(); }
    // Reads the clock without reporting: start-up draws from this reading.
    void readClock() { cur_ = clock_.now(); }
    const LocalTime& now() const { return cur_; }
    // The previous tick's reading; all zero before the first tick.
    const LocalTime& last() const { return last_; }
    void Timer1Timer();

  private:
    LocalClock& clock_;
    TickTimer& timer_;
    TickHandler& handler_;
    LocalTime cur_;
    LocalTime last_;
};

} // namespace ql
