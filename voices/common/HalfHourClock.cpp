// SPDX-License-Identifier: GPL-3.0-or-later
#include "HalfHourClock.h"

namespace ql::voice {
namespace {

std::string hourName(const HalfHourWords& w, int hour) {
    return w.hours[hour % 12 == 0 ? 12 : hour % 12];
}

// Round amounts go without the word for minutes: "fem over", but "sju minutter over".
std::string amount(const HalfHourWords& w, int n) {
    std::string s = w.amounts[n];
    if (n == 1) return s + " " + w.minute;
    if (n % 5 != 0) s.append(" ").append(w.minutes);
    return s;
}

} // namespace

std::string halfHourTime(const HalfHourWords& w, int hour, int minute) {
    const std::string now = hourName(w, hour);
    const std::string next = hourName(w, hour + 1);
    const std::string half = std::string(w.half) + " " + next;
    if (minute == 0) return now;
    if (minute == 15) return std::string(w.quarter) + " " + w.past + " " + now;
    if (minute == 30) return half;
    if (minute == 45) return std::string(w.quarter) + " " + w.to + " " + next;
    if (minute <= 20) return amount(w, minute) + " " + w.past + " " + now;
    if (minute < 30) return amount(w, 30 - minute) + " " + w.to + " " + half;
    if (minute < 40) return amount(w, minute - 30) + " " + w.past + " " + half;
    return amount(w, 60 - minute) + " " + w.to + " " + next;
}

} // namespace ql::voice
