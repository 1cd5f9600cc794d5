// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/Snooze.h"

#include <QDateTime>

namespace ql {

bool Snooze::due(const LocalTime& now) {
    if (!active_) return false;
    // Through the local time zone, so that a change of summer time is no jump.
    const qint64 reading =
        QDateTime(QDate(now.year, now.month, now.day), QTime(now.hour, now.minute, now.second))
            .toSecsSinceEpoch();
    if (counting_ && reading > reading_) left_ -= reading - reading_;
    counting_ = true;
    reading_ = reading;
    if (left_ > 0) return false;
    active_ = false;
    return true;
}

} // namespace ql
