// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// "Jest godzina czternasta pięć.": the hour is a feminine ordinal, the minutes a cardinal that
// agrees with the implied "minuty" (dwie, dwadzieścia dwie) but keeps "jeden" unchanged.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 24> hours{"zero",
                                            "pierwsza",
                                            "druga",
                                            "trzecia",
                                            "czwarta",
                                            "piąta",
                                            "szósta",
                                            "siódma",
                                            "ósma",
                                            "dziewiąta",
                                            "dziesiąta",
                                            "jedenasta",
                                            "dwunasta",
                                            "trzynasta",
                                            "czternasta",
                                            "piętnasta",
                                            "szesnasta",
                                            "siedemnasta",
                                            "osiemnasta",
                                            "dziewiętnasta",
                                            "dwudziesta",
                                            "dwudziesta pierwsza",
                                            "dwudziesta druga",
                                            "dwudziesta trzecia"};
constexpr std::array<const char*, 20> ones{
    "",           "jeden",      "dwie",         "trzy",        "cztery",
    "pięć",       "sześć",      "siedem",       "osiem",       "dziewięć",
    "dziesięć",   "jedenaście", "dwanaście",    "trzynaście",  "czternaście",
    "piętnaście", "szesnaście", "siedemnaście", "osiemnaście", "dziewiętnaście"};
constexpr std::array<const char*, 6> tens{
    "", "", "dwadzieścia", "trzydzieści", "czterdzieści", "pięćdziesiąt"};

std::string number(int n) {
    if (n < 20) return ones[n];
    std::string s = tens[n / 10];
    if (n % 10) s += std::string(" ") + ones[n % 10];
    return s;
}

} // namespace

std::string polishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Jest północ.";
    if (minute == 0 && hour == 12) return "Jest południe.";
    std::string s = std::string("Jest godzina ") + hours[hour];
    if (minute) s.append(" ").append(number(minute));
    return s + ".";
}

} // namespace ql::voice
