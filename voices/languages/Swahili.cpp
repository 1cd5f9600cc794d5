// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Swahili time, as East Africa says it: the day's hours are counted from sunrise, so 7:00 is
// "saa moja asubuhi" and 15:15 "saa tisa na robo mchana". Minutes go past the hour ("na dakika
// kumi", "na robo", "na nusu") until twenty to, then to the next one ("saa nne kasoro dakika
// ishirini", "saa nne kasorobo" at a quarter to).
namespace ql::voice {
namespace {

constexpr std::array<const char*, 11> units{"",     "moja", "mbili", "tatu", "nne", "tano",
                                            "sita", "saba", "nane",  "tisa", "kumi"};
constexpr std::array<const char*, 4> tens{"", "kumi", "ishirini", "thelathini"};

std::string number(int n) {
    if (n <= 10) return units[n];
    std::string s = tens[n / 10];
    if (n % 10) s.append(" na ").append(units[n % 10]);
    return s;
}

// The Swahili hour of a clock hour: six hours behind.
std::string swahiliHour(int hour) {
    const int h = (hour + 6) % 12;
    return number(h == 0 ? 12 : h);
}

const char* partOfDay(int hour) {
    if (hour < 4 || hour >= 19) return "usiku";
    if (hour < 7) return "alfajiri";
    if (hour < 12) return "asubuhi";
    return hour < 16 ? "mchana" : "jioni";
}

} // namespace

std::string swahiliTime(int hour, int minute) {
    const int named = minute < 40 ? hour : (hour + 1) % 24;
    std::string s = "Sasa ni saa " + swahiliHour(named);
    if (minute == 15)
        s += " na robo";
    else if (minute == 30)
        s += " na nusu";
    else if (minute == 45)
        s += " kasorobo";
    else if (minute && minute < 40)
        s += " na dakika " + number(minute);
    else if (minute)
        s += " kasoro dakika " + number(60 - minute);
    return s + " " + partOfDay(named) + ".";
}

} // namespace ql::voice
