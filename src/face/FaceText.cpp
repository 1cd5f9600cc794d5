// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/FaceText.h"

#include <array>

namespace ql {

QString FaceText::time(int hour, int minute, int day, int dayOfWeek, bool hours24, bool small) {
    static const std::array<const char*, 7> weekdays = {
        "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
    const int shownHour = hours24 ? hour : (hour + 11) % 12 + 1;
    QString text = QStringLiteral("%1:%2").arg(shownHour).arg(minute, 2, 10, QLatin1Char('0'));
    if (!hours24) text += hour < 12 ? QLatin1String(" AM") : QLatin1String(" PM");
    // A damaged clock must not index past the table.
    if (small || dayOfWeek < 1 || dayOfWeek > 7) return text;
    return text + QStringLiteral(", %1 %2").arg(QLatin1String(weekdays[dayOfWeek - 1])).arg(day);
}

QString FaceText::indicators(bool alarmOn, bool announceOn) {
    return QStringLiteral("Alarm %1, announcements %2")
        .arg(QLatin1String(alarmOn ? "on" : "off"), QLatin1String(announceOn ? "on" : "off"));
}

} // namespace ql
