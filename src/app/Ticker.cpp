// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Ticker.h"

namespace ql {

Ticker::Ticker(LocalClock& clock, TickTimer& timer, TickHandler& handler)
    : clock_(clock), timer_(timer), handler_(handler) {}

// A tick on which no unit changed must stay a handful of comparisons.
void Ticker::Timer1Timer() {
    if (!handler_.pendingWork()) return;
    readClock();
    TickUnits changed;
    changed.second = cur_.second != last_.second;
    changed.minute = cur_.minute != last_.minute;
    changed.hour = cur_.hour != last_.hour;
    // A jump of whole months keeps the day of the month but not the weekday.
    changed.day = cur_.day != last_.day || cur_.month != last_.month || cur_.year != last_.year;
    if (changed.any()) handler_.unitsChanged(changed, cur_);
    last_ = cur_;
    handler_.tickDone(cur_);
}

} // namespace ql
