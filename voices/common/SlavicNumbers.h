// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

// Numbers and counted nouns as Russian, Serbian and Croatian clocks say them: one and two agree in
// gender with the noun, and the noun takes one of three forms from the number's last word, eleven
// to fourteen counting as many ("dvadeset dvije minute", "dvanaest minuta").
namespace ql::voice {

struct SlavicNumerals {
    std::array<const char*, 20> ones; // 0-19
    std::array<const char*, 6> tens;  // 20, 30, 40, 50 at their tens digit
    const char* feminineOne;
    const char* feminineTwo;
};

std::string slavicNumber(const SlavicNumerals& words, int n, bool feminine);
const char* slavicNoun(int n, const char* one, const char* few, const char* many);
// Czech and Slovak count by the whole number: one, two to four, and all others (compounds too).
const char* westSlavicNoun(int n, const char* one, const char* few, const char* many);

} // namespace ql::voice
