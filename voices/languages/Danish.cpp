// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/HalfHourClock.h"
#include "common/Phrases.h"

// "Klokken er fem over et.", "Klokken er fem i halv tre." (2:25)
namespace ql::voice {
namespace {

const HalfHourWords danish{
    {"", "ét", "to", "tre", "fire", "fem", "seks", "syv", "otte", "ni", "ti", "elleve", "tolv"},
    {"",        "et",     "to",      "tre",    "fire",   "fem",    "seks",
     "syv",     "otte",   "ni",      "ti",     "elleve", "tolv",   "tretten",
     "fjorten", "femten", "seksten", "sytten", "atten",  "nitten", "tyve"},
    "minut",
    "minutter",
    "over",
    "i",
    "halv",
    "kvart"};

} // namespace

std::string danishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Det er midnat.";
    return "Klokken er " + halfHourTime(danish, hour, minute) + ".";
}

} // namespace ql::voice
