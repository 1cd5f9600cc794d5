// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/HalfHourClock.h"
#include "common/Phrases.h"
#include "common/Respelling.h"

// Bokmål: "Klokka er fem over ett.", "Klokka er fem på halv tre." (2:25)
namespace ql::voice {
namespace {

const HalfHourWords norwegian{
    {"", "ett", "to", "tre", "fire", "fem", "seks", "sju", "åtte", "ni", "ti", "elleve", "tolv"},
    {"",        "ett",    "to",      "tre",    "fire",   "fem",    "seks",
     "sju",     "åtte",   "ni",      "ti",     "elleve", "tolv",   "tretten",
     "fjorten", "femten", "seksten", "sytten", "atten",  "nitten", "tjue"},
    "minutt",
    "minutter",
    "over",
    "på",
    "halv",
    "kvart"};

} // namespace

std::string norwegianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Det er midnatt.";
    return "Klokka er " + halfHourTime(norwegian, hour, minute) + ".";
}

// espeak-ng sounds the silent v of "halv" and "tolv", gives "elleve" three full syllables and
// stresses "minutt" on its first.
std::span<const Respelling> norwegianRespellings() {
    static constexpr Respelling table[]{{"halv", "hall"},
                                        {"tolv", "toll"},
                                        {"elleve", "elve"},
                                        {"minutt", "[[mIn'u-t:]]"},
                                        {"minutter", "[[mIn'u-t:@R]]"}};
    return table;
}

} // namespace ql::voice
