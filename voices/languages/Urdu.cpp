// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// Twelve-hour clock as spoken, like Hindi's: "ابھی دو بج کر دس منٹ ہوئے ہیں۔", with the quarter
// words سوا دو (2:15), ڈھائی (2:30), ڈیڑھ (1:30), ساڑھے تین (3:30), پونے تین (2:45); the last
// quarter hour counts down: "تین بجنے میں دس منٹ ہیں۔". One o'clock and one minute are singular.
namespace ql::voice {
namespace {

// Every number to forty-four has its own word.
constexpr std::array<const char*, 45> numbers{
    "",       "ایک",     "دو",    "تین",     "چار",   "پانچ",    "چھ",     "سات",      "آٹھ",
    "نو",     "دس",      "گیارہ", "بارہ",    "تیرہ",  "چودہ",    "پندرہ",  "سولہ",     "سترہ",
    "اٹھارہ", "انیس",    "بیس",   "اکیس",    "بائیس", "تئیس",    "چوبیس",  "پچیس",     "چھبیس",
    "ستائیس", "اٹھائیس", "انتیس", "تیس",     "اکتیس", "بتیس",    "تینتیس", "چونتیس",   "پینتیس",
    "چھتیس",  "سینتیس",  "اڑتیس", "انتالیس", "چالیس", "اکتالیس", "بیالیس", "تینتالیس", "چوالیس"};

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

std::string half(int h) {
    if (h == 1) return "ڈیڑھ";
    if (h == 2) return "ڈھائی";
    return std::string("ساڑھے ") + numbers[h];
}

} // namespace

std::string urduTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "ابھی رات کے بارہ بجے ہیں۔";
    if (minute == 0 && hour == 12) return "ابھی دوپہر کے بارہ بجے ہیں۔";
    const int now = twelve(hour);
    const int next = twelve(hour + 1);
    std::string s = "ابھی ";
    if (minute == 0)
        s += now == 1 ? "ایک بجا ہے" : std::string(numbers[now]) + " بجے ہیں";
    else if (minute == 15)
        s += std::string("سوا ") + numbers[now] + " بجے ہیں";
    else if (minute == 30)
        s += half(now) + " بجے ہیں";
    else if (minute == 45)
        s += std::string("پونے ") + numbers[next] + " بجے ہیں";
    else if (minute < 45)
        s += std::string(numbers[now]) + " بج کر " + numbers[minute] +
             (minute == 1 ? " منٹ ہوا ہے" : " منٹ ہوئے ہیں");
    else
        s += std::string(numbers[next]) + " بجنے میں " + numbers[60 - minute] +
             (60 - minute == 1 ? " منٹ ہے" : " منٹ ہیں");
    return s + "۔";
}

// Unmarked, espeak-ng reads nine (نو) as "no", twenty (بیس) as "bes" and ہوا as "hava".
std::span<const Respelling> urduRespellings() {
    static constexpr Respelling table[]{{"نو", "نَو"}, {"بیس", "بِیس"}, {"ہوا", "ہُوا"}};
    return table;
}

} // namespace ql::voice
