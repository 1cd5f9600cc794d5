// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/FaceCell.h"

// What each cell shows for a time and the settings, item by item in the documented drawing
// order. Pure functions: the face is whatever they say, whatever it showed before.
namespace ql::faceRules {

inline constexpr std::int8_t kBlankDigit = 10;
// MiscList items addressed by the rules.
inline constexpr std::int8_t kAm = 7, kPm = 8, kSpeaker = 9, kAlarmDot = 10, kBigColon = 11,
                             kDateLabel = 12, kLargeBlank = 13, kSmallBlank = 14, kMiniAm = 17,
                             kMiniPm = 18, kMiniBlankMark = 19, kMiniColonLit = 20,
                             kMiniColonDark = 21;

struct HourDigits {
    int tens; // 0: no tens digit
    int ones;
};
// Midnight and noon read 12 on the 12-hour clock, the afternoon 1 to 11.
HourDigits hourDigits(int hour, bool hours24);

struct HourCells {
    FaceCell tens;
    FaceCell ones;
    FaceCell marks;
    // 24-hour mode blanks the AM/PM area first and draws the tens digit over it; 12-hour mode
    // draws the marks over the empty left part of the tens cell.
    bool marksFirst;
};
HourCells hourCells(int hour, bool hours24);
// Alarm and announcement indicators, then the DATE label.
FaceCell indicatorCell(bool alarmOn, bool announceOn);
FaceCell bigColonCell();
// One digit (0-9) of list at the cell's origin; leading zeros are shown.
FaceCell digitCell(FaceList list, int digit);
FaceCell dayTensCell(int day);
// Erases yesterday's slot, then draws today's name in its own slot.
FaceCell weekdayCell(int dayOfWeek);
// The small face without its colon.
FaceCell miniTimeCell(int hour, int minute, bool hours24);
FaceItem miniColon(bool lit);
bool isMiniColon(const FaceItem& item);

// Whether every item of cell exists in its list.
bool fits(const FaceCell& cell);

} // namespace ql::faceRules
