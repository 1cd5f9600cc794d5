// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LocalClock.h"

namespace ql {

// True when the clock went from `before` straight to `now` past a whole alarm minute
// (hour:minute) on a day in `days`, so the tick never saw it: a suspend, or a clock set forward.
// A first reading (`before` all zero) or a clock set back misses nothing.
bool alarmMinuteSkipped(const LocalTime& before, const LocalTime& now, int hour, int minute,
                        int days);

} // namespace ql
