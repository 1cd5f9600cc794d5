// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FractionClock.h"
#include "common/Phrases.h"

// Twelve-hour clock as spoken: "ਹੁਣ ਦੋ ਵੱਜ ਕੇ ਦਸ ਮਿੰਟ ਹੋਏ ਹਨ।", with the quarter words ਸਵਾ ਦੋ (2:15),
// ਢਾਈ (2:30), ਡੇਢ (1:30), ਸਾਢੇ ਤਿੰਨ (3:30), ਪੌਣੇ ਤਿੰਨ (2:45); the last quarter hour counts down:
// "ਤਿੰਨ ਵੱਜਣ ਵਿੱਚ ਦਸ ਮਿੰਟ ਹਨ।". One o'clock and one minute are singular.
namespace ql::voice {
namespace {

const FractionWords words{
    .numbers = {"",      "ਇੱਕ",   "ਦੋ",     "ਤਿੰਨ",    "ਚਾਰ",  "ਪੰਜ",     "ਛੇ",     "ਸੱਤ",     "ਅੱਠ",
                "ਨੌਂ",     "ਦਸ",   "ਗਿਆਰਾਂ", "ਬਾਰਾਂ",   "ਤੇਰਾਂ",  "ਚੌਦਾਂ",    "ਪੰਦਰਾਂ",  "ਸੋਲ਼ਾਂ",    "ਸਤਾਰਾਂ",
                "ਅਠਾਰਾਂ", "ਉੱਨੀ",  "ਵੀਹ",   "ਇੱਕੀ",    "ਬਾਈ",  "ਤੇਈ",     "ਚੌਵੀ",   "ਪੱਚੀ",    "ਛੱਬੀ",
                "ਸਤਾਈ",  "ਅਠਾਈ", "ਉਨੱਤੀ",  "ਤੀਹ",    "ਇਕੱਤੀ", "ਬੱਤੀ",    "ਤੇਤੀ",   "ਚੌਂਤੀ",    "ਪੈਂਤੀ",
                "ਛੱਤੀ",   "ਸੈਂਤੀ",  "ਅਠੱਤੀ",  "ਉਨਤਾਲੀ", "ਚਾਲੀ", "ਇਕਤਾਲੀ", "ਬਤਾਲੀ", "ਤਰਤਾਲੀ", "ਚੁਤਾਲੀ"},
    .now = "ਹੁਣ ",
    .midnight = "ਹੁਣ ਰਾਤ ਦੇ ਬਾਰਾਂ ਵੱਜੇ ਹਨ।",
    .noon = "ਹੁਣ ਦੁਪਹਿਰ ਦੇ ਬਾਰਾਂ ਵੱਜੇ ਹਨ।",
    .end = "।",
    .struckOne = " ਵੱਜਿਆ ਹੈ",
    .struck = " ਵੱਜੇ ਹਨ",
    .fractionsAgree = false,
    .quarterPast = "ਸਵਾ ",
    .quarterTo = "ਪੌਣੇ ",
    .oneAndHalf = "ਡੇਢ",
    .twoAndHalf = "ਢਾਈ",
    .andHalf = "ਸਾਢੇ ",
    .past = " ਵੱਜ ਕੇ ",
    .minutePast = " ਮਿੰਟ ਹੋਇਆ ਹੈ",
    .minutesPast = " ਮਿੰਟ ਹੋਏ ਹਨ",
    .to = " ਵੱਜਣ ਵਿੱਚ ",
    .minuteTo = " ਮਿੰਟ ਹੈ",
    .minutesTo = " ਮਿੰਟ ਹਨ",
};

} // namespace

std::string punjabiTime(int hour, int minute) {
    return fractionTime(words, hour, minute);
}

} // namespace ql::voice
