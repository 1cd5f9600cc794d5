// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock as announced: "ახლა არის თხუთმეტი საათი და ოცდახუთი წუთი." Numbers count
// in twenties (ოცდახუთი is twenty-and-five, ორმოცდაათი forty-and-ten); a noun after a number
// stays singular.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "ნული",     "ერთი",     "ორი",       "სამი",     "ოთხი",     "ხუთი",    "ექვსი",
    "შვიდი",    "რვა",      "ცხრა",      "ათი",      "თერთმეტი", "თორმეტი", "ცამეტი",
    "თოთხმეტი", "თხუთმეტი", "თექვსმეტი", "ჩვიდმეტი", "თვრამეტი", "ცხრამეტი"};

std::string number(int n) {
    if (n < 20) return ones[n];
    if (n == 20) return "ოცი";
    if (n == 40) return "ორმოცი";
    return std::string(n < 40 ? "ოცდა" : "ორმოცდა") + ones[n % 20];
}

} // namespace

std::string georgianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "ახლა შუაღამეა.";
    std::string s = "ახლა არის ";
    s.append(number(hour)).append(" საათი");
    if (minute) s.append(" და ").append(number(minute)).append(" წუთი");
    return s + ".";
}

} // namespace ql::voice
