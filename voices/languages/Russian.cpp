// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/SlavicNumbers.h"

// "Сейчас тринадцать часов пять минут." Hours are masculine (один, два), minutes feminine
// (одна, две); the noun takes its form from the last word of the number: час / часа / часов.
namespace ql::voice {
namespace {

constexpr SlavicNumerals words{{"ноль",        "один",       "два",          "три",
                                "четыре",      "пять",       "шесть",        "семь",
                                "восемь",      "девять",     "десять",       "одиннадцать",
                                "двенадцать",  "тринадцать", "четырнадцать", "пятнадцать",
                                "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"},
                               {"", "", "двадцать", "тридцать", "сорок", "пятьдесят"},
                               "одна",
                               "две"};

} // namespace

std::string russianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Сейчас полночь.";
    if (minute == 0 && hour == 12) return "Сейчас полдень.";
    std::string s = "Сейчас " + slavicNumber(words, hour, false) + " " +
                    slavicNoun(hour, "час", "часа", "часов");
    if (minute)
        s.append(" ").append(slavicNumber(words, minute, true) + " " +
                             slavicNoun(minute, "минута", "минуты", "минут"));
    return s + ".";
}

} // namespace ql::voice
