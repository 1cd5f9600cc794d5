// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// The everyday twelve-hour clock, counted around the hour and the half hour: "viisi yli kolme",
// "varttia vaille neljä", "viittä vaille puoli kolme" (2:25), "puoli kolme" (2:30).
// "yli" takes the nominative, "vaille" the partitive.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 21> nominative{"",
                                                 "yksi",
                                                 "kaksi",
                                                 "kolme",
                                                 "neljä",
                                                 "viisi",
                                                 "kuusi",
                                                 "seitsemän",
                                                 "kahdeksan",
                                                 "yhdeksän",
                                                 "kymmenen",
                                                 "yksitoista",
                                                 "kaksitoista",
                                                 "kolmetoista",
                                                 "neljätoista",
                                                 "viisitoista",
                                                 "kuusitoista",
                                                 "seitsemäntoista",
                                                 "kahdeksantoista",
                                                 "yhdeksäntoista",
                                                 "kaksikymmentä"};
constexpr std::array<const char*, 21> partitive{"",
                                                "",
                                                "kahta",
                                                "kolmea",
                                                "neljää",
                                                "viittä",
                                                "kuutta",
                                                "seitsemää",
                                                "kahdeksaa",
                                                "yhdeksää",
                                                "kymmentä",
                                                "yhtätoista",
                                                "kahtatoista",
                                                "kolmeatoista",
                                                "neljäätoista",
                                                "viittätoista",
                                                "kuuttatoista",
                                                "seitsemäätoista",
                                                "kahdeksaatoista",
                                                "yhdeksäätoista",
                                                "kahtakymmentä"};

std::string hourName(int hour) {
    return nominative[hour % 12 == 0 ? 12 : hour % 12];
}

// Round amounts go without "minuuttia": "viisi yli", but "kolme minuuttia yli".
std::string past(int n) {
    if (n == 1) return "yksi minuutti";
    if (n % 5 == 0) return nominative[n];
    return std::string(nominative[n]) + " minuuttia";
}

std::string to(int n) {
    if (n == 1) return "minuuttia";
    if (n % 5 == 0) return partitive[n];
    return std::string(partitive[n]) + " minuuttia";
}

std::string clock(int hour, int minute) {
    const std::string next = hourName(hour + 1);
    if (minute == 0) return hourName(hour);
    if (minute == 15) return "varttia yli " + hourName(hour);
    if (minute == 30) return "puoli " + next;
    if (minute == 45) return "varttia vaille " + next;
    if (minute <= 20) return past(minute) + " yli " + hourName(hour);
    if (minute < 30) return to(30 - minute) + " vaille puoli " + next;
    if (minute < 40) return past(minute - 30) + " yli puoli " + next;
    return to(60 - minute) + " vaille " + next;
}

} // namespace

std::string finnishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "On keskiyö.";
    if (minute == 0 && hour == 12) return "On keskipäivä.";
    return "Kello on " + clock(hour, minute) + ".";
}

} // namespace ql::voice
