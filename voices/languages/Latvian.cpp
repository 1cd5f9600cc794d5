// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock as announced: "Pulkstenis ir četrpadsmit un piecas minūtes." Hours are
// counted in the masculine (viens, divi), minutes in the feminine (viena, divas); a number ending
// in one, eleven apart, takes the singular "minūte".
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "nulle",       "viens",       "divi",          "trīs",         "četri",
    "pieci",       "seši",        "septiņi",       "astoņi",       "deviņi",
    "desmit",      "vienpadsmit", "divpadsmit",    "trīspadsmit",  "četrpadsmit",
    "piecpadsmit", "sešpadsmit",  "septiņpadsmit", "astoņpadsmit", "deviņpadsmit"};
constexpr std::array<const char*, 10> feminine{"",       "viena", "divas",    "trīs",    "četras",
                                               "piecas", "sešas", "septiņas", "astoņas", "deviņas"};
constexpr std::array<const char*, 6> tens{"",           "",           "divdesmit",
                                          "trīsdesmit", "četrdesmit", "piecdesmit"};

std::string number(int n, bool female) {
    if (n < 10 && female) return feminine[n];
    if (n < 20) return ones[n];
    std::string s = tens[n / 10];
    if (n % 10) s.append(" ").append(female ? feminine[n % 10] : ones[n % 10]);
    return s;
}

} // namespace

std::string latvianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Ir pusnakts.";
    std::string s = "Pulkstenis ir " + number(hour, false);
    if (minute)
        s += " un " + number(minute, true) +
             (minute % 10 == 1 && minute != 11 ? " minūte" : " minūtes");
    return s + ".";
}

} // namespace ql::voice
