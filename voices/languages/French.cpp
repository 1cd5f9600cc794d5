// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock: "Il est treize heures cinq.", with "minuit" and "midi" for 0 and 12.
// Both hours and minutes are feminine: "une heure une", "vingt et une heures".
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{"zéro",   "une",   "deux",     "trois",    "quatre",
                                           "cinq",   "six",   "sept",     "huit",     "neuf",
                                           "dix",    "onze",  "douze",    "treize",   "quatorze",
                                           "quinze", "seize", "dix-sept", "dix-huit", "dix-neuf"};
constexpr std::array<const char*, 6> tens{"", "", "vingt", "trente", "quarante", "cinquante"};

std::string number(int n) {
    if (n < 20) return ones[n];
    std::string s = tens[n / 10];
    if (n % 10 == 1) return s + " et une";
    if (n % 10) s += std::string("-") + ones[n % 10];
    return s;
}

} // namespace

std::string frenchTime(int hour, int minute) {
    std::string s = "Il est ";
    if (hour == 0) {
        s += "minuit";
    } else if (hour == 12) {
        s += "midi";
    } else {
        s += number(hour) + (hour == 1 ? " heure" : " heures");
    }
    if (minute) s.append(" ").append(number(minute));
    return s + ".";
}

} // namespace ql::voice
