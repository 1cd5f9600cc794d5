// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace ql::voice {

// The everyday Scandinavian clock, counted around the hour and the half hour: "fem over ett",
// "kvart på fire", "fem på halv tre" (2:25), "halv tre" (2:30), "fem over halv tre" (2:35).
struct HalfHourWords {
    std::array<const char*, 13> hours;   // 1-12 as said alone: "ett", "to" ...
    std::array<const char*, 21> amounts; // 1-20 as counted minutes: "ett", "to" ...
    const char* minute;                  // after 1
    const char* minutes;                 // after the others that are not a multiple of five
    const char* past;
    const char* to;
    const char* half;
    const char* quarter;
};

// The time without the sentence around it, e.g. "kvart over ett".
std::string halfHourTime(const HalfHourWords& words, int hour, int minute);

} // namespace ql::voice
