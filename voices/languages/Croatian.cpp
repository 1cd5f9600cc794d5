// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/SlavicNumbers.h"

// "Sada je četrnaest sati i pet minuta." The noun follows the last word of the number: jedan sat,
// dva sata, pet sati; jedna minuta, dvije minute, pet minuta; eleven to fourteen count as many.
namespace ql::voice {
namespace {

constexpr SlavicNumerals words{{"nula",     "jedan",     "dva",        "tri",       "četiri",
                                "pet",      "šest",      "sedam",      "osam",      "devet",
                                "deset",    "jedanaest", "dvanaest",   "trinaest",  "četrnaest",
                                "petnaest", "šesnaest",  "sedamnaest", "osamnaest", "devetnaest"},
                               {"", "", "dvadeset", "trideset", "četrdeset", "pedeset"},
                               "jedna",
                               "dvije"};

} // namespace

std::string croatianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Sada je ponoć.";
    if (minute == 0 && hour == 12) return "Sada je podne.";
    std::string s = "Sada je " + slavicNumber(words, hour, false) + " " +
                    slavicNoun(hour, "sat", "sata", "sati");
    if (minute)
        s.append(" i ").append(slavicNumber(words, minute, true) + " " +
                               slavicNoun(minute, "minuta", "minute", "minuta"));
    return s + ".";
}

} // namespace ql::voice
