// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/MalayNumbers.h"
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock as announced: "Sekarang pukul empat belas lewat lima menit", "pukul
// empat belas tepat" on the hour. Eleven is "sebelas", the other teens "<unit> belas".
namespace ql::voice {
namespace {

constexpr std::array<const char*, 10> ones{"nol",  "satu", "dua",   "tiga",    "empat",
                                           "lima", "enam", "tujuh", "delapan", "sembilan"};

std::string number(int n) {
    return malayNumber(ones, n);
}

} // namespace

std::string indonesianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Sekarang pukul dua belas malam.";
    if (minute == 0 && hour == 12) return "Sekarang pukul dua belas siang.";
    // Past midnight the hour is twelve at night, as at midnight itself.
    std::string s = "Sekarang pukul " + (hour == 0 ? std::string("dua belas") : number(hour));
    s += minute ? " lewat " + number(minute) + " menit" : " tepat";
    return s + (hour == 0 ? " malam." : ".");
}

} // namespace ql::voice
