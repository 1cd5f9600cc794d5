// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/FaceRules.h"

namespace ql::faceRules {
namespace {

FaceItem item(FaceList list, int index, int x = 0, int y = 0) {
    return {list, std::int8_t(index), std::int16_t(x), std::int16_t(y)};
}

FaceItem misc(int index, int x, int y) {
    return item(FaceList::Misc, index, x, y);
}

int listSize(FaceList list) {
    return list == FaceList::Misc ? 22 : 11;
}

} // namespace

HourDigits hourDigits(int hour, bool hours24) {
    if (hours24) return {hour / 10, hour % 10};
    if (hour >= 13) return {(hour - 12) / 10, (hour - 12) % 10};
    if (hour == 0) return {1, 2};
    return {hour / 10, hour % 10};
}

HourCells hourCells(int hour, bool hours24) {
    const HourDigits d = hourDigits(hour, hours24);
    const FaceCell ones{item(FaceList::HrMin, d.ones)};
    if (hours24) {
        // No leading zero: the tens cell is not drawn at all and the background shows.
        const FaceCell tens = d.tens ? FaceCell{item(FaceList::HrMin, d.tens)} : FaceCell::hidden();
        return {tens, ones, {misc(kLargeBlank, 0, 0), misc(kLargeBlank, 0, 15)}, true};
    }
    const FaceCell tens{item(FaceList::HrMin, d.tens ? d.tens : kBlankDigit)};
    const FaceCell marks = hour <= 11 ? FaceCell{misc(kAm, 0, 0), misc(kSmallBlank, 0, 15)}
                                      : FaceCell{misc(kSmallBlank, 0, 0), misc(kPm, 0, 15)};
    return {tens, ones, marks, false};
}

FaceCell indicatorCell(bool alarmOn, bool announceOn) {
    FaceCell cell;
    if (alarmOn) {
        cell.put(misc(kAlarmDot, 0, 6));
    } else {
        cell.put(misc(kSmallBlank, 0, 6));
        cell.put(misc(kSmallBlank, 6, 6));
    }
    if (announceOn) {
        cell.put(misc(kSpeaker, 32, 2));
    } else {
        cell.put(misc(kSmallBlank, 32, 2));
        cell.put(misc(kSmallBlank, 32, 8));
    }
    cell.put(misc(kDateLabel, 115, 2));
    return cell;
}

FaceCell bigColonCell() {
    return {misc(kBigColon, 0, 0)};
}

FaceCell digitCell(FaceList list, int digit) {
    return {item(list, digit)};
}

FaceCell dayTensCell(int day) {
    return {item(FaceList::MS, day <= 9 ? kBlankDigit : day / 10)};
}

FaceCell weekdayCell(int dayOfWeek) {
    const int yesterdaySlot = dayOfWeek == 1 ? 6 : dayOfWeek - 2;
    return {misc(kSmallBlank, yesterdaySlot * 25, 0), misc(dayOfWeek - 1, (dayOfWeek - 1) * 25, 0)};
}

FaceCell miniTimeCell(int hour, int minute, bool hours24) {
    const HourDigits d = hourDigits(hour, hours24);
    const FaceItem tens = item(FaceList::MS, d.tens ? d.tens : kBlankDigit, 8, 0);
    const FaceItem ones = item(FaceList::MS, d.ones, 22, 0);
    const FaceItem minuteTens = item(FaceList::MS, minute / 10, 42, 0);
    const FaceItem minuteOnes = item(FaceList::MS, minute % 10, 56, 0);
    if (hours24) return {misc(kMiniBlankMark, 0, 0), tens, ones, minuteTens, minuteOnes};
    const FaceItem mark = misc(hour <= 11 ? kMiniAm : kMiniPm, 0, 0);
    return {tens, ones, mark, minuteTens, minuteOnes};
}

FaceItem miniColon(bool lit) {
    return misc(lit ? kMiniColonLit : kMiniColonDark, 37, 0);
}

bool isMiniColon(const FaceItem& item) {
    return item.list == FaceList::Misc &&
           (item.index == kMiniColonLit || item.index == kMiniColonDark);
}

bool fits(const FaceCell& cell) {
    for (const FaceItem& i : cell)
        if (i.index < 0 || i.index >= listSize(i.list)) return false;
    return true;
}

} // namespace ql::faceRules
