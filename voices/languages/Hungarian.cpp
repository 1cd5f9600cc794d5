// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// "Tizenhárom óra öt perc van." Nouns stay singular after numbers, and two is "két" before one.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 10> ones{"nulla", "egy", "két", "három", "négy",
                                           "öt",    "hat", "hét", "nyolc", "kilenc"};
constexpr std::array<const char*, 6> tens{"", "tíz", "húsz", "harminc", "negyven", "ötven"};
// Tens as the first part of a compound: tizenegy, huszonkét.
constexpr std::array<const char*, 6> tensPrefix{"",        "tizen",   "huszon",
                                                "harminc", "negyven", "ötven"};

std::string number(int n) {
    if (n < 10) return ones[n];
    if (n % 10 == 0) return tens[n / 10];
    return std::string(tensPrefix[n / 10]) + ones[n % 10];
}

std::string capitalised(std::string s) {
    if (s.rfind("ö", 0) == 0) return "Ö" + s.substr(std::string("ö").size());
    if (!s.empty() && s[0] >= 'a' && s[0] <= 'z') s[0] = static_cast<char>(s[0] - 'a' + 'A');
    return s;
}

} // namespace

std::string hungarianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Éjfél van.";
    if (minute == 0 && hour == 12) return "Dél van.";
    std::string s = capitalised(number(hour)) + " óra";
    if (minute) s.append(" ").append(number(minute) + " perc");
    return s + " van.";
}

} // namespace ql::voice
