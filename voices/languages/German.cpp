// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock: "Es ist vierzehn Uhr fünf." One o'clock is "ein Uhr", not "eins Uhr".
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "null",     "eins",     "zwei",     "drei",     "vier",     "fünf",    "sechs",
    "sieben",   "acht",     "neun",     "zehn",     "elf",      "zwölf",   "dreizehn",
    "vierzehn", "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn"};
constexpr std::array<const char*, 6> tens{"", "", "zwanzig", "dreißig", "vierzig", "fünfzig"};

std::string number(int n) {
    if (n < 20) return ones[n];
    if (n % 10 == 0) return tens[n / 10];
    const std::string unit = n % 10 == 1 ? "ein" : ones[n % 10];
    return unit + "und" + tens[n / 10];
}

} // namespace

std::string germanTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Es ist Mitternacht.";
    if (minute == 0 && hour == 12) return "Es ist zwölf Uhr mittags.";
    std::string s = "Es ist " + (hour == 1 ? std::string("ein") : number(hour)) + " Uhr";
    if (minute) s.append(" ").append(number(minute));
    return s + ".";
}

} // namespace ql::voice
