// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LocalClock.h"

namespace ql {

// The bit of `time`'s weekday in a day mask: Monday bit 0 ... Sunday bit 6.
int weekdayBit(const LocalTime& time);

// True when `days` (a day mask) holds `time`'s weekday.
bool holdsDay(int days, const LocalTime& time);

} // namespace ql
