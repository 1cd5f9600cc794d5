// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LocalClock.h"
#include "settings/SettingsRecord.h"

namespace ql {

// True when hour:minute lies in the quiet hours: from the first time (inclusive) up to the
// second (exclusive), across midnight when the second is earlier; equal times mean none.
bool inQuietHours(const SettingsRecord& s, int hour, int minute);

// True when the periodic announcement is due at `now`. The rule reads the wall clock only: on the
// day clocks go forward the skipped hour never comes, and on the day they go back its minutes come
// twice and each is announced again, as the clock face shows them twice.
bool announcesAt(const SettingsRecord& s, const LocalTime& now);

} // namespace ql
