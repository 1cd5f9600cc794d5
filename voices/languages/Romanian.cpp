// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock: "Este ora paisprezece și cinci minute." The hour agrees with the
// feminine "ora" (două, douăzeci și două) but one stays "unu"; minutes are neuter (un minut, două
// minute), and from twenty on the noun follows "de" (douăzeci și unu de minute).
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "zero",          "unu",         "două",          "trei",         "patru",
    "cinci",         "șase",        "șapte",         "opt",          "nouă",
    "zece",          "unsprezece",  "douăsprezece",  "treisprezece", "paisprezece",
    "cincisprezece", "șaisprezece", "șaptesprezece", "optsprezece",  "nouăsprezece"};
constexpr std::array<const char*, 6> tens{"", "", "douăzeci", "treizeci", "patruzeci", "cincizeci"};

std::string number(int n) {
    if (n < 20) return ones[n];
    std::string s = tens[n / 10];
    if (n % 10) s.append(" și ").append(ones[n % 10]);
    return s;
}

std::string minutes(int n) {
    if (n == 1) return "un minut";
    return number(n) + (n < 20 ? " minute" : " de minute");
}

} // namespace

std::string romanianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Este miezul nopții.";
    if (minute == 0 && hour == 12) return "Este miezul zilei.";
    std::string s = "Este ora " + number(hour);
    if (minute) s.append(" și ").append(minutes(minute));
    return s + ".";
}

} // namespace ql::voice
