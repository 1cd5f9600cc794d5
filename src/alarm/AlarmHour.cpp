// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/AlarmHour.h"

namespace ql {

HourEntry hourToEntry(int alarmHour, bool twentyFourHour) {
    if (twentyFourHour) return {alarmHour, false};
    if (alarmHour < 12) return {alarmHour == 0 ? 12 : alarmHour, false};
    return {alarmHour == 12 ? 12 : alarmHour - 12, true};
}

ValueRange hourEntryRange(bool twentyFourHour) {
    return twentyFourHour ? settingOf(&SettingsRecord::FAlarmHour).offered() : ValueRange{1, 12};
}

int hourFromEntry(int entered, bool twentyFourHour, bool pm) {
    if (twentyFourHour) return entered;
    if (pm) return entered == 12 ? 12 : entered + 12;
    return entered == 12 ? 0 : entered;
}

} // namespace ql
