// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace ql::voice {

// The north Indian twelve-hour clock, told in fractions of the hour: a quarter past is "one and a
// quarter" (सवा दो), half past "and a half" (साढ़े तीन, with own words for 1:30 and 2:30), a quarter
// to "less a quarter" of the next hour (पौने तीन); other minutes count up to 44, then down to it.
struct FractionWords {
    std::array<const char*, 45> numbers; // every number to 44 has its own word
    const char* now;                     // opens each sentence, with its space
    const char* midnight;                // whole sentences for 0:00 and 12:00
    const char* noon;
    const char* end;         // the full stop
    const char* struckOne;   // "has struck", after one
    const char* struck;      // after the other hours
    bool fractionsAgree;     // the fraction words take struckOne for one as well
    const char* quarterPast; // before the hour, with its space
    const char* quarterTo;   // before the next hour, with its space
    const char* oneAndHalf;  // 1:30
    const char* twoAndHalf;  // 2:30
    const char* andHalf;     // before the other hours, with its space where one is said
    const char* past;        // between the hour and the minutes
    const char* minutePast;  // after one minute
    const char* minutesPast; // after more
    const char* to;          // between the next hour and the minutes left
    const char* minuteTo;
    const char* minutesTo;
};

std::string fractionTime(const FractionWords& words, int hour, int minute);

} // namespace ql::voice
