#include "common/Phrases.h"

#include <array>

// "Ura je štirinajst in pet minut." The hour agrees with the feminine "ura" (ena, dve). Minutes
// keep the dual: ena minuta, dve minuti, tri in štiri minute, otherwise minut; a compound such as
// "dvaindvajset" counts as many, since its last word is the tens.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "nič",        "ena",      "dve",       "tri",        "štiri",     "pet",       "šest",
    "sedem",      "osem",     "devet",     "deset",      "enajst",    "dvanajst",  "trinajst",
    "štirinajst", "petnajst", "šestnajst", "sedemnajst", "osemnajst", "devetnajst"};
constexpr std::array<const char*, 10> compoundUnits{"",    "ena",  "dva",   "tri",  "štiri",
                                                    "pet", "šest", "sedem", "osem", "devet"};
constexpr std::array<const char*, 6> tens{"", "", "dvajset", "trideset", "štirideset", "petdeset"};

std::string number(int n) {
    if (n < 20) return ones[n];
    if (n % 10 == 0) return tens[n / 10];
    return std::string(compoundUnits[n % 10]) + "in" + tens[n / 10];
}

std::string minutes(int n) {
    const char* noun = n == 1 ? "minuta" : n == 2 ? "minuti" : n <= 4 ? "minute" : "minut";
    return number(n) + " " + noun;
}

} // namespace

std::string slovenianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Je polnoč.";
    if (minute == 0 && hour == 12) return "Je poldne.";
    std::string s = "Ura je " + number(hour);
    if (minute) s.append(" in ").append(minutes(minute));
    return s + ".";
}

} // namespace ql::voice
