// SPDX-License-Identifier: GPL-3.0-or-later
#include "FractionClock.h"

namespace ql::voice {
namespace {

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

// Said after an hour named by a fraction word (quarter past, half, quarter to).
const char* fractionStruck(const FractionWords& w, int named) {
    return named == 1 && w.fractionsAgree ? w.struckOne : w.struck;
}

std::string half(const FractionWords& w, int h) {
    if (h == 1) return w.oneAndHalf;
    if (h == 2) return w.twoAndHalf;
    return std::string(w.andHalf) + w.numbers[h];
}

std::string body(const FractionWords& w, int hour, int minute) {
    const int now = twelve(hour);
    const int next = twelve(hour + 1);
    const auto& n = w.numbers;
    if (minute == 0) return std::string(n[now]) + (now == 1 ? w.struckOne : w.struck);
    if (minute == 15) return w.quarterPast + std::string(n[now]) + fractionStruck(w, now);
    if (minute == 30) return half(w, now) + fractionStruck(w, now);
    if (minute == 45) return w.quarterTo + std::string(n[next]) + fractionStruck(w, next);
    if (minute < 45)
        return std::string(n[now]) + w.past + n[minute] +
               (minute == 1 ? w.minutePast : w.minutesPast);
    const int left = 60 - minute;
    return std::string(n[next]) + w.to + n[left] + (left == 1 ? w.minuteTo : w.minutesTo);
}

} // namespace

std::string fractionTime(const FractionWords& w, int hour, int minute) {
    if (minute == 0 && hour == 0) return w.midnight;
    if (minute == 0 && hour == 12) return w.noon;
    return w.now + body(w, hour, minute) + w.end;
}

} // namespace ql::voice
