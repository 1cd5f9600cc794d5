// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/AnnounceRules.h"

#include "settings/DayMask.h"

namespace ql {

bool inQuietHours(const SettingsRecord& s, int hour, int minute) {
    const int from = s.quietFromHour * 60 + s.quietFromMinute;
    const int until = s.quietUntilHour * 60 + s.quietUntilMinute;
    const int now = hour * 60 + minute;
    if (from <= until) return from <= now && now < until;
    return now >= from || now < until;
}

bool announcesAt(const SettingsRecord& s, const LocalTime& now) {
    if (!s.FAnnounceOn || s.FAnnounceInterval <= 0 || now.minute % s.FAnnounceInterval != 0)
        return false;
    return holdsDay(s.announceDays, now) && !inQuietHours(s, now.hour, now.minute);
}

} // namespace ql
