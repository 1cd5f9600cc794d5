// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DayMask.h"

namespace ql {

int weekdayBit(const LocalTime& time) {
    return (time.dayOfWeek + 5) % 7; // 1 = Sunday ... 7 = Saturday
}

bool holdsDay(int days, const LocalTime& time) {
    return (days >> weekdayBit(time)) & 1;
}

} // namespace ql
