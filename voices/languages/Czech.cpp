// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/SlavicNumbers.h"

#include <array>

// "Je třináct hodin pět minut." The noun follows the number: 1 hodina, 2-4 hodiny, otherwise
// hodin; compounds (dvacet dva) take the genitive plural, and the verb follows the noun.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "nula",    "jedna",   "dvě",      "tři",      "čtyři",    "pět",       "šest",
    "sedm",    "osm",     "devět",    "deset",    "jedenáct", "dvanáct",   "třináct",
    "čtrnáct", "patnáct", "šestnáct", "sedmnáct", "osmnáct",  "devatenáct"};
constexpr std::array<const char*, 10> compoundUnits{"",    "jedna", "dva",  "tři", "čtyři",
                                                    "pět", "šest",  "sedm", "osm", "devět"};
constexpr std::array<const char*, 6> tens{"", "", "dvacet", "třicet", "čtyřicet", "padesát"};

std::string number(int n) {
    if (n < 20) return ones[n];
    std::string s = tens[n / 10];
    if (n % 10) s += std::string(" ") + compoundUnits[n % 10];
    return s;
}

std::string counted(int n, const char* one, const char* few, const char* many) {
    return number(n) + " " + westSlavicNoun(n, one, few, many);
}

} // namespace

std::string czechTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Je půlnoc.";
    if (minute == 0 && hour == 12) return "Je poledne.";
    std::string s = hour >= 2 && hour <= 4 ? "Jsou " : "Je ";
    s += counted(hour, "hodina", "hodiny", "hodin");
    if (minute) s.append(" ").append(counted(minute, "minuta", "minuty", "minut"));
    return s + ".";
}

} // namespace ql::voice
