// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/HalfHourClock.h"
#include "common/Phrases.h"
#include "common/Respelling.h"

// "Klockan är fem över ett.", "Klockan är fem i halv tre." (2:25)
namespace ql::voice {
namespace {

const HalfHourWords swedish{
    {"", "ett", "två", "tre", "fyra", "fem", "sex", "sju", "åtta", "nio", "tio", "elva", "tolv"},
    {"",        "en",     "två",    "tre",     "fyra",  "fem",    "sex",
     "sju",     "åtta",   "nio",    "tio",     "elva",  "tolv",   "tretton",
     "fjorton", "femton", "sexton", "sjutton", "arton", "nitton", "tjugo"},
    "minut",
    "minuter",
    "över",
    "i",
    "halv",
    "kvart"};

} // namespace

std::string swedishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Det är midnatt.";
    return "Klockan är " + halfHourTime(swedish, hour, minute) + ".";
}

// espeak-ng stresses "minut" on its first syllable, lengthens the final vowel of the -ton numbers
// and stresses "arton" on its second; the r of "arton" goes into the t, as in "kvart".
std::span<const Respelling> swedishRespellings() {
    static constexpr Respelling table[]{
        {"minut", "[[mIn'u-t]]"}, {"minuter", "[[mIn'u-tE-R]]"}, {"tretton", "trettånn"},
        {"fjorton", "fjortånn"},  {"femton", "femtånn"},         {"sexton", "sextånn"},
        {"sjutton", "sjuttånn"},  {"arton", "[['A:tOn]]"},       {"nitton", "nittånn"}};
    return table;
}

} // namespace ql::voice
