// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsTable.h"

namespace ql {

// How the alarm hour (0-23) appears in the dialog's hour entry.
struct HourEntry {
    int position = 0; // the hour field's number
    bool pm = false;  // 12-hour entry only: PM checked rather than AM
};

// 24-hour entry shows the hour itself; 12-hour entry shows 12 for midnight and noon.
HourEntry hourToEntry(int alarmHour, bool twentyFourHour);

// The hours the hour field offers: 0-23, or 1-12 beside AM and PM.
ValueRange hourEntryRange(bool twentyFourHour);

// The alarm hour for the number read from the hour field. 12 AM is midnight, 12 PM noon, and
// 0 PM (an empty field with PM) also noon.
int hourFromEntry(int entered, bool twentyFourHour, bool pm);

} // namespace ql
