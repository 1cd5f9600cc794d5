// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// "Зараз чотирнадцята година п’ять хвилин.": the hour is a feminine ordinal agreeing with
// "година", the minutes a feminine cardinal (одна, дві) whose noun follows the last word of the
// number: хвилина / хвилини / хвилин. Midnight's hour has no ordinal in everyday use.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 24> hours{
    "нуль годин",  "перша",          "друга",          "третя",         "четверта",
    "п’ята",       "шоста",          "сьома",          "восьма",        "дев’ята",
    "десята",      "одинадцята",     "дванадцята",     "тринадцята",    "чотирнадцята",
    "п’ятнадцята", "шістнадцята",    "сімнадцята",     "вісімнадцята",  "дев’ятнадцята",
    "двадцята",    "двадцять перша", "двадцять друга", "двадцять третя"};
constexpr std::array<const char*, 20> ones{"",
                                           "одна",
                                           "дві",
                                           "три",
                                           "чотири",
                                           "п’ять",
                                           "шість",
                                           "сім",
                                           "вісім",
                                           "дев’ять",
                                           "десять",
                                           "одинадцять",
                                           "дванадцять",
                                           "тринадцять",
                                           "чотирнадцять",
                                           "п’ятнадцять",
                                           "шістнадцять",
                                           "сімнадцять",
                                           "вісімнадцять",
                                           "дев’ятнадцять"};
constexpr std::array<const char*, 6> tens{"", "", "двадцять", "тридцять", "сорок", "п’ятдесят"};

std::string minutes(int n) {
    std::string s = n < 20 ? ones[n] : tens[n / 10];
    if (n >= 20 && n % 10) s.append(" ").append(ones[n % 10]);
    const int last = n % 10;
    if (n >= 11 && n <= 14) return s + " хвилин";
    if (last == 1) return s + " хвилина";
    if (last >= 2 && last <= 4) return s + " хвилини";
    return s + " хвилин";
}

} // namespace

std::string ukrainianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Зараз північ.";
    if (minute == 0 && hour == 12) return "Зараз полудень.";
    std::string s = std::string("Зараз ") + hours[hour];
    if (hour) s += " година";
    if (minute) s.append(" ").append(minutes(minute));
    return s + ".";
}

// espeak-ng reduces an unstressed о to a Russian [ʌ], which Ukrainian never does, and stresses a
// few words on the wrong syllable (хвИлин for хвилИн, годин, одна, сорок).
std::span<const Respelling> ukrainianRespellings() {
    static constexpr Respelling table[]{{"хвилин", "[[xvil'in]]"},
                                        {"годин", "[[hod'in]]"},
                                        {"година", "[[hod'ina]]"},
                                        {"одна", "[[odn'a]]"},
                                        {"чотири", "[[tS;ot'iri]]"},
                                        {"сорок", "[[s'orok]]"},
                                        {"одинадцять", "[[odin'Adtsjat]]"},
                                        {"одинадцята", "[[odin'Adtsjata]]"},
                                        {"чотирнадцять", "[[tS;otirn'Adtsjat]]"},
                                        {"чотирнадцята", "[[tS;otirn'Adtsjata]]"},
                                        {"полудень", "[[pol'uden]]"}};
    return table;
}

} // namespace ql::voice
