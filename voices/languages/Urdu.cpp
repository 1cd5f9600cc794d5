// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FractionClock.h"
#include "common/Phrases.h"
#include "common/Respelling.h"

// Twelve-hour clock as spoken, like Hindi's: "ابھی دو بج کر دس منٹ ہوئے ہیں۔", with the quarter
// words سوا دو (2:15), ڈھائی (2:30), ڈیڑھ (1:30), ساڑھے تین (3:30), پونے تین (2:45); the last
// quarter hour counts down: "تین بجنے میں دس منٹ ہیں۔". One o'clock and one minute are singular.
namespace ql::voice {
namespace {

const FractionWords words{
    .numbers = {"",      "ایک",     "دو",     "تین",      "چار",     "پانچ",   "چھ",    "سات",
                "آٹھ",   "نو",      "دس",     "گیارہ",    "بارہ",    "تیرہ",   "چودہ",  "پندرہ",
                "سولہ",  "سترہ",    "اٹھارہ", "انیس",     "بیس",     "اکیس",   "بائیس", "تئیس",
                "چوبیس", "پچیس",    "چھبیس",  "ستائیس",   "اٹھائیس", "انتیس",  "تیس",   "اکتیس",
                "بتیس",  "تینتیس",  "چونتیس", "پینتیس",   "چھتیس",   "سینتیس", "اڑتیس", "انتالیس",
                "چالیس", "اکتالیس", "بیالیس", "تینتالیس", "چوالیس"},
    .now = "ابھی ",
    .midnight = "ابھی رات کے بارہ بجے ہیں۔",
    .noon = "ابھی دوپہر کے بارہ بجے ہیں۔",
    .end = "۔",
    .struckOne = " بجا ہے",
    .struck = " بجے ہیں",
    .fractionsAgree = false,
    .quarterPast = "سوا ",
    .quarterTo = "پونے ",
    .oneAndHalf = "ڈیڑھ",
    .twoAndHalf = "ڈھائی",
    .andHalf = "ساڑھے ",
    .past = " بج کر ",
    .minutePast = " منٹ ہوا ہے",
    .minutesPast = " منٹ ہوئے ہیں",
    .to = " بجنے میں ",
    .minuteTo = " منٹ ہے",
    .minutesTo = " منٹ ہیں",
};

} // namespace

std::string urduTime(int hour, int minute) {
    return fractionTime(words, hour, minute);
}

// Unmarked, espeak-ng reads nine (نو) as "no", twenty (بیس) as "bes" and ہوا as "hava".
std::span<const Respelling> urduRespellings() {
    static constexpr Respelling table[]{{"نو", "نَو"}, {"بیس", "بِیس"}, {"ہوا", "ہُوا"}};
    return table;
}

} // namespace ql::voice
