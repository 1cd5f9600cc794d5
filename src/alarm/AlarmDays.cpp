// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/AlarmDays.h"

#include "settings/DayMask.h"

#include <QDate>

namespace ql {
namespace {

constexpr qint64 secondsPerDay = 24 * 60 * 60;

// Seconds on the wall clock: an alarm is a wall-clock minute, whatever a time change did.
qint64 wallSeconds(const LocalTime& t) {
    return QDate(t.year, t.month, t.day).toJulianDay() * secondsPerDay + t.hour * 3600 +
           t.minute * 60 + t.second;
}

} // namespace

bool alarmMinuteSkipped(const LocalTime& before, const LocalTime& now, int hour, int minute,
                        int days) {
    if (before.year == 0 || !QDate::isValid(before.year, before.month, before.day)) return false;
    const qint64 from = wallSeconds(before);
    const qint64 to = wallSeconds(now);
    const qint64 today = to - to % secondsPerDay;
    const qint64 alarmAt = hour * 3600 + minute * 60;
    // Looking back a week covers every weekday; a longer sleep missed the same alarm again.
    for (int back = 0; back < 7; ++back) {
        const qint64 start = today - back * secondsPerDay + alarmAt;
        if (start <= from) break;
        LocalTime day = now;
        day.dayOfWeek = static_cast<std::uint16_t>((now.dayOfWeek + 6 - back) % 7 + 1);
        if (start + 60 <= to && holdsDay(days, day)) return true;
    }
    return false;
}

} // namespace ql
