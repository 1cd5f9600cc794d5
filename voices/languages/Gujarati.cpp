// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FractionClock.h"
#include "common/Phrases.h"

// Twelve-hour clock as spoken: "અત્યારે બે વાગીને દસ મિનિટ થઈ છે.", with the quarter words સવા બે
// (2:15), અઢી (2:30), દોઢ (1:30), સાડા ત્રણ (3:30), પોણા ત્રણ (2:45); the last quarter hour counts
// down: "ત્રણ વાગવામાં દસ મિનિટ બાકી છે.". An hour of one (and દોઢ) takes the singular વાગ્યો.
namespace ql::voice {
namespace {

const FractionWords words{
    .numbers = {"",      "એક",      "બે",      "ત્રણ",     "ચાર",     "પાંચ",     "છ",      "સાત",
                "આઠ",    "નવ",      "દસ",     "અગિયાર",  "બાર",     "તેર",      "ચૌદ",    "પંદર",
                "સોળ",   "સત્તર",    "અઢાર",   "ઓગણીસ",   "વીસ",     "એકવીસ",   "બાવીસ",  "ત્રેવીસ",
                "ચોવીસ", "પચ્ચીસ",   "છવ્વીસ",  "સત્તાવીસ", "અઠ્ઠાવીસ", "ઓગણત્રીસ", "ત્રીસ",   "એકત્રીસ",
                "બત્રીસ", "તેત્રીસ",   "ચોત્રીસ", "પાંત્રીસ",  "છત્રીસ",   "સાડત્રીસ", "આડત્રીસ", "ઓગણચાલીસ",
                "ચાલીસ", "એકતાલીસ", "બેતાલીસ", "તેતાલીસ",  "ચુંમાલીસ"},
    .now = "અત્યારે ",
    .midnight = "અત્યારે રાતના બાર વાગ્યા છે.",
    .noon = "અત્યારે બપોરના બાર વાગ્યા છે.",
    .end = ".",
    .struckOne = " વાગ્યો છે",
    .struck = " વાગ્યા છે",
    .fractionsAgree = true,
    .quarterPast = "સવા ",
    .quarterTo = "પોણા ",
    .oneAndHalf = "દોઢ",
    .twoAndHalf = "અઢી",
    .andHalf = "સાડા ",
    .past = " વાગીને ",
    .minutePast = " મિનિટ થઈ છે",
    .minutesPast = " મિનિટ થઈ છે",
    .to = " વાગવામાં ",
    .minuteTo = " મિનિટ બાકી છે",
    .minutesTo = " મિનિટ બાકી છે",
};

} // namespace

std::string gujaratiTime(int hour, int minute) {
    return fractionTime(words, hour, minute);
}

} // namespace ql::voice
