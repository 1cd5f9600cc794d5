// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/SecondAlignedTimer.h"
#include "platform/LocalClock.h"

#include <QObject>

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

// The clock tick: reads the local clock just after each second boundary (and once at start) and
// reports which units changed.
class Ticker : public QObject {
    Q_OBJECT
  public:
    Ticker(LocalClock& clock, TickHandler& handler, QObject* parent = nullptr);

    void start() { timer_.start(); }
    void stop() { timer_.stop(); }
    bool active() const { return timer_.isActive(); }
    // Milliseconds until the next tick, -1 when stopped.
    int remainingTime() const { return timer_.remainingTime(); }
    // Reads the clock without reporting: start-up draws from this reading.
    void readClock() { cur_ = clock_.now(); }
    const LocalTime& now() const { return cur_; }
    // The previous tick's reading; all zero before the first tick.
    const LocalTime& last() const { return last_; }
    void Timer1Timer();

  private:
    LocalClock& clock_;
    TickHandler& handler_;
    SecondAlignedTimer timer_;
    LocalTime cur_;
    LocalTime last_;
};

} // namespace ql
