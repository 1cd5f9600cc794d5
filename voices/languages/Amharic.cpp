// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Ethiopian time, as Ethiopia says it: the day's hours are counted from six in the morning, so
// 7:00 is "ከጠዋቱ አንድ ሰዓት" and 15:10 "ከቀኑ ዘጠኝ ሰዓት ከአሥር ደቂቃ". Past the hour with ከ ("ከሩብ",
// "ተኩል" at the half) until twenty to, then towards the next one with ለ … ጉዳይ ("ለአሥር ሩብ ጉዳይ").
namespace ql::voice {
namespace {

constexpr std::array<const char*, 10> units{"",     "አንድ",  "ሁለት", "ሦስት",  "አራት",
                                            "አምስት", "ስድስት", "ሰባት", "ስምንት", "ዘጠኝ"};

std::string number(int n) {
    if (n < 10) return units[n];
    if (n == 10) return "አሥር";
    std::string s = n < 20 ? "አሥራ" : n < 30 ? "ሃያ" : "ሠላሳ";
    if (n % 10) s.append(" ").append(units[n % 10]);
    return s;
}

// The Ethiopian hour of a clock hour: six hours behind.
std::string ethiopianHour(int hour) {
    const int h = (hour + 6) % 12;
    return number(h == 0 ? 12 : h);
}

const char* partOfDay(int hour) {
    if (hour < 6) return "ከሌሊቱ";
    if (hour < 12) return "ከጠዋቱ";
    return hour < 18 ? "ከቀኑ" : "ከምሽቱ";
}

} // namespace

std::string amharicTime(int hour, int minute) {
    const int named = minute < 40 ? hour : (hour + 1) % 24;
    std::string s = "አሁን ";
    s.append(partOfDay(named)).append(" ");
    if (minute < 40) s.append(ethiopianHour(named)).append(" ሰዓት");
    if (minute == 15)
        s += " ከሩብ";
    else if (minute == 30)
        s += " ተኩል";
    else if (minute == 45)
        s.append("ለ").append(ethiopianHour(named)).append(" ሩብ ጉዳይ");
    else if (minute && minute < 40)
        s.append(" ከ").append(number(minute)).append(" ደቂቃ");
    else if (minute)
        s.append("ለ")
            .append(ethiopianHour(named))
            .append(" ")
            .append(number(60 - minute))
            .append(" ደቂቃ ጉዳይ");
    return s + " ነው።";
}

} // namespace ql::voice
