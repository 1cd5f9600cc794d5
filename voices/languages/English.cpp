// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// Twelve-hour clock as people say it: "It's one o'clock.", "It's two oh five.", "It's noon."
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "",         "one",     "two",     "three",     "four",     "five",    "six",
    "seven",    "eight",   "nine",    "ten",       "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen", "seventeen", "eighteen", "nineteen"};
constexpr std::array<const char*, 6> tens{"", "", "twenty", "thirty", "forty", "fifty"};

std::string number(int n) {
    if (n < 20) return ones[n];
    std::string s = tens[n / 10];
    if (n % 10) s += std::string("-") + ones[n % 10];
    return s;
}

} // namespace

std::string englishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "It's midnight.";
    if (minute == 0 && hour == 12) return "It's noon.";
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    std::string s = "It's " + number(h12);
    if (minute == 0) return s + " o'clock.";
    if (minute < 10) s += " oh";
    return s + " " + number(minute) + ".";
}

// espeak-ng's British English says "one" as [wɒn].
std::span<const Respelling> englishRespellings() {
    static constexpr Respelling table[]{{"one", "[[w'Vn]]"}};
    return table;
}

} // namespace ql::voice
