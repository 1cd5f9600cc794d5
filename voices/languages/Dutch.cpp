// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock: "Het is dertien uur vijf.", "Het is één uur."
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "nul",      "één",      "twee",    "drie",      "vier",     "vijf",     "zes",
    "zeven",    "acht",     "negen",   "tien",      "elf",      "twaalf",   "dertien",
    "veertien", "vijftien", "zestien", "zeventien", "achttien", "negentien"};
constexpr std::array<const char*, 6> tens{"", "", "twintig", "dertig", "veertig", "vijftig"};
// Units in compounds; a unit ending in -e takes a diaeresis on the linking "en".
constexpr std::array<const char*, 10> units{"",       "eenen", "tweeën",  "drieën", "vieren",
                                            "vijfen", "zesen", "zevenen", "achten", "negenen"};

std::string number(int n) {
    if (n < 20) return ones[n];
    return std::string(units[n % 10]) + tens[n / 10];
}

} // namespace

std::string dutchTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Het is middernacht.";
    if (minute == 0 && hour == 12) return "Het is twaalf uur 's middags.";
    std::string s = "Het is " + number(hour) + " uur";
    if (minute) s.append(" ").append(number(minute));
    return s + ".";
}

} // namespace ql::voice
