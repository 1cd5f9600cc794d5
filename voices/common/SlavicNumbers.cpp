// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/SlavicNumbers.h"

namespace ql::voice {
namespace {

std::string unit(const SlavicNumerals& words, int n, bool feminine) {
    if (feminine && n == 1) return words.feminineOne;
    if (feminine && n == 2) return words.feminineTwo;
    return words.ones[n];
}

} // namespace

std::string slavicNumber(const SlavicNumerals& words, int n, bool feminine) {
    if (n < 20) return unit(words, n, feminine);
    std::string s = words.tens[n / 10];
    if (n % 10) s.append(" ").append(unit(words, n % 10, feminine));
    return s;
}

const char* slavicNoun(int n, const char* one, const char* few, const char* many) {
    if (n % 100 >= 11 && n % 100 <= 14) return many;
    if (n % 10 == 1) return one;
    if (n % 10 >= 2 && n % 10 <= 4) return few;
    return many;
}

const char* westSlavicNoun(int n, const char* one, const char* few, const char* many) {
    if (n == 1) return one;
    return n >= 2 && n <= 4 ? few : many;
}

} // namespace ql::voice
