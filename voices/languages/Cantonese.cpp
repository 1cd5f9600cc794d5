// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// In characters, which espeak-ng's Cantonese reads. Twelve-hour clock with the part of the day
// first: "而家係下晝三點十五分。", "三點半" (3:30), "三點零五分" (3:05); two o'clock is 兩點.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 10> units{"",   "一", "二", "三", "四",
                                            "五", "六", "七", "八", "九"};

std::string number(int n) {
    if (n < 10) return units[n];
    std::string s = n >= 20 ? std::string(units[n / 10]) + "十" : "十";
    return s + units[n % 10];
}

const char* partOfDay(int hour) {
    if (hour < 6) return "凌晨";
    if (hour < 12) return "朝早";
    if (hour == 12) return "中午";
    return hour < 18 ? "下晝" : "夜晚";
}

} // namespace

std::string cantoneseTime(int hour, int minute) {
    const int h = hour % 12 == 0 ? 12 : hour % 12;
    std::string s = std::string("而家係") + partOfDay(hour) + (h == 2 ? "兩" : number(h)) + "點";
    if (minute == 30)
        s += "半";
    else if (minute)
        s += (minute < 10 ? "零" : "") + number(minute) + "分";
    return s + "。";
}

} // namespace ql::voice
