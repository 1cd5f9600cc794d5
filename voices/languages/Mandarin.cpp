// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Written in pinyin with tone numbers, which espeak-ng reads; it reads characters as English
// letter names. Twelve-hour clock with the part of the day first, as people say it: "Xian4 zai4
// shi4 xia4 wu3 san1 dian3 shi2 wu3 fen1." (现在是下午三点十五分), "san1 dian3 ban4" (3:30),
// "san1 dian3 ling2 wu3 fen1" (3:05). Two o'clock is "liang3 dian3".
namespace ql::voice {
namespace {

constexpr std::array<const char*, 10> units{"",    "yi1",  "er4", "san1", "si4",
                                            "wu3", "liu4", "qi1", "ba1",  "jiu3"};

std::string minutes(int n) {
    if (n < 10) return std::string("ling2 ") + units[n];
    std::string s = n >= 20 ? std::string(units[n / 10]) + " shi2" : "shi2";
    if (n % 10) s.append(" ").append(units[n % 10]);
    return s;
}

std::string hourWord(int h) {
    if (h == 2) return "liang3";
    if (h == 10) return "shi2";
    if (h > 10) return std::string("shi2 ") + units[h - 10];
    return units[h];
}

const char* partOfDay(int hour) {
    if (hour < 6) return "ling2 chen2";
    if (hour < 12) return "shang4 wu3";
    if (hour == 12) return "zhong1 wu3";
    return hour < 18 ? "xia4 wu3" : "wan3 shang5";
}

} // namespace

std::string mandarinTime(int hour, int minute) {
    const int h = hour % 12 == 0 ? 12 : hour % 12;
    std::string s = "Xian4 zai4 shi4 ";
    s.append(partOfDay(hour)).append(" ").append(hourWord(h)).append(" dian3");
    if (minute == 30)
        s += " ban4";
    else if (minute)
        s.append(" ").append(minutes(minute)).append(" fen1");
    return s + ".";
}

} // namespace ql::voice
