// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock: "Sono le tredici e cinque.", "È l'una.", "È mezzanotte e dieci."
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "zero",        "uno",      "due",    "tre",         "quattro",  "cinque",    "sei",
    "sette",       "otto",     "nove",   "dieci",       "undici",   "dodici",    "tredici",
    "quattordici", "quindici", "sedici", "diciassette", "diciotto", "diciannove"};
constexpr std::array<const char*, 6> tens{"", "", "venti", "trenta", "quaranta", "cinquanta"};

std::string number(int n) {
    if (n < 20) return ones[n];
    std::string t = tens[n / 10];
    const int u = n % 10;
    if (u == 0) return t;
    if (u == 1 || u == 8) t.pop_back(); // ventuno, trentotto
    return t + (u == 3 ? "tré" : ones[u]);
}

std::string minutes(int minute) {
    if (minute == 0) return "";
    if (minute == 1) return " e un minuto";
    return " e " + number(minute);
}

} // namespace

std::string italianTime(int hour, int minute) {
    if (hour == 0) return "È mezzanotte" + minutes(minute) + ".";
    if (hour == 12) return "È mezzogiorno" + minutes(minute) + ".";
    if (hour == 1) return "È l'una" + minutes(minute) + ".";
    return "Sono le " + number(hour) + minutes(minute) + ".";
}

} // namespace ql::voice
