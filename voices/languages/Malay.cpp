// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MalayNumbers.h"
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock with the part of the day last: "Sekarang pukul tiga sepuluh minit petang.",
// "pukul tiga suku" (3:15), "pukul tiga setengah" (3:30). Eight is "lapan" in Malay.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 10> units{"",     "satu", "dua",   "tiga",  "empat",
                                            "lima", "enam", "tujuh", "lapan", "sembilan"};

std::string number(int n) {
    return malayNumber(units, n);
}

const char* partOfDay(int hour) {
    if (hour == 0) return "tengah malam";
    if (hour < 12) return "pagi";
    if (hour == 12) return "tengah hari";
    return hour < 19 ? "petang" : "malam";
}

} // namespace

std::string malayTime(int hour, int minute) {
    std::string s = "Sekarang pukul ";
    s += number(hour % 12 == 0 ? 12 : hour % 12);
    if (minute == 15)
        s += " suku";
    else if (minute == 30)
        s += " setengah";
    else if (minute)
        s.append(" ").append(number(minute)).append(" minit");
    return s + " " + partOfDay(hour) + ".";
}

} // namespace ql::voice
