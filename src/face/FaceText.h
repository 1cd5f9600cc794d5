// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ql {

// The face in words, for a screen reader: what the digits show, and the indicators lit.
struct FaceText {
    // "14:25, Monday 7" or "2:25 PM, Monday 7"; the small face shows no date.
    static QString time(int hour, int minute, int day, int dayOfWeek, bool hours24, bool small);
    static QString indicators(bool alarmOn, bool announceOn);
};

} // namespace ql
