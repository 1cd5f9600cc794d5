// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock as spoken: "અત્યારે બે વાગીને દસ મિનિટ થઈ છે.", with the quarter words સવા બે
// (2:15), અઢી (2:30), દોઢ (1:30), સાડા ત્રણ (3:30), પોણા ત્રણ (2:45); the last quarter hour counts
// down: "ત્રણ વાગવામાં દસ મિનિટ બાકી છે.". An hour of one (and દોઢ) takes the singular વાગ્યો.
namespace ql::voice {
namespace {

// Every number to forty-four has its own word.
constexpr std::array<const char*, 45> numbers{
    "",        "એક",      "બે",       "ત્રણ",      "ચાર",    "પાંચ",     "છ",      "સાત",    "આઠ",
    "નવ",      "દસ",      "અગિયાર",  "બાર",      "તેર",     "ચૌદ",     "પંદર",    "સોળ",    "સત્તર",
    "અઢાર",    "ઓગણીસ",   "વીસ",     "એકવીસ",    "બાવીસ",  "ત્રેવીસ",   "ચોવીસ",  "પચ્ચીસ",  "છવ્વીસ",
    "સત્તાવીસ", "અઠ્ઠાવીસ", "ઓગણત્રીસ", "ત્રીસ",     "એકત્રીસ", "બત્રીસ",   "તેત્રીસ",  "ચોત્રીસ", "પાંત્રીસ",
    "છત્રીસ",   "સાડત્રીસ", "આડત્રીસ",  "ઓગણચાલીસ", "ચાલીસ",  "એકતાલીસ", "બેતાલીસ", "તેતાલીસ", "ચુંમાલીસ"};

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

std::string struck(int named) {
    return named == 1 ? " વાગ્યો છે" : " વાગ્યા છે";
}

} // namespace

std::string gujaratiTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "અત્યારે રાતના બાર વાગ્યા છે.";
    if (minute == 0 && hour == 12) return "અત્યારે બપોરના બાર વાગ્યા છે.";
    const int now = twelve(hour);
    const int next = twelve(hour + 1);
    std::string s = "અત્યારે ";
    if (minute == 0)
        s += numbers[now] + struck(now);
    else if (minute == 15)
        s += std::string("સવા ") + numbers[now] + struck(now);
    else if (minute == 30 && now <= 2)
        s += now == 1 ? "દોઢ વાગ્યો છે" : "અઢી વાગ્યા છે";
    else if (minute == 30)
        s += std::string("સાડા ") + numbers[now] + struck(now);
    else if (minute == 45)
        s += std::string("પોણા ") + numbers[next] + struck(next);
    else if (minute < 45)
        s += std::string(numbers[now]) + " વાગીને " + numbers[minute] + " મિનિટ થઈ છે";
    else
        s += std::string(numbers[next]) + " વાગવામાં " + numbers[60 - minute] + " મિનિટ બાકી છે";
    return s + ".";
}

} // namespace ql::voice
