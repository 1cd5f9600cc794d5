// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LocalClock.h"

#include <QtGlobal>

namespace ql {

// A snoozed alarm, counted on the clock's readings: time the clock is set back (or a change
// from summer time) does not count, a suspend does, so a computer woken after the snooze is
// over rings at once. Held in memory only: a restart forgets it.
class Snooze {
  public:
    // The count starts at the next reading.
    void start(int minutes) {
        left_ = qint64{minutes} * 60;
        active_ = true;
        counting_ = false;
    }
    void cancel() { active_ = false; }
    bool active() const { return active_; }
    // Counts the time since the previous reading; true, once, when the minutes are over.
    bool due(const LocalTime& now);

  private:
    bool active_ = false;
    bool counting_ = false;
    qint64 left_ = 0;    // seconds
    qint64 reading_ = 0; // the previous reading, in seconds since the epoch
};

} // namespace ql
