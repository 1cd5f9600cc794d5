// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FractionClock.h"
#include "common/Phrases.h"
#include "common/Respelling.h"

// Twelve-hour clock as spoken: "अभी दो बजकर दस मिनट हुए हैं।", with the fractions Hindi uses for
// the quarters: सवा दो (2:15), ढाई (2:30), डेढ़ (1:30), साढ़े तीन (3:30), पौने तीन (2:45); the last
// quarter hour counts down: "तीन बजने में दस मिनट हैं।". One o'clock and one minute are singular.
namespace ql::voice {
namespace {

const FractionWords words{
    .numbers = {"",      "एक",      "दो",     "तीन",    "चार",    "पाँच",   "छह",    "सात",
                "आठ",    "नौ",      "दस",     "ग्यारह",  "बारह",   "तेरह",   "चौदह",  "पंद्रह",
                "सोलह",  "सत्रह",    "अठारह",  "उन्नीस",  "बीस",    "इक्कीस", "बाईस",  "तेईस",
                "चौबीस", "पच्चीस",   "छब्बीस",  "सत्ताईस", "अट्ठाईस", "उनतीस", "तीस",   "इकतीस",
                "बत्तीस", "तैंतीस",    "चौंतीस",  "पैंतीस",   "छत्तीस",  "सैंतीस",  "अड़तीस", "उनतालीस",
                "चालीस", "इकतालीस", "बयालीस", "तैंतालीस", "चवालीस"},
    .now = "अभी ",
    .midnight = "अभी रात के बारह बजे हैं।",
    .noon = "अभी दोपहर के बारह बजे हैं।",
    .end = "।",
    .struckOne = " बजा है",
    .struck = " बजे हैं",
    .fractionsAgree = false,
    .quarterPast = "सवा ",
    .quarterTo = "पौने ",
    .oneAndHalf = "डेढ़",
    .twoAndHalf = "ढाई",
    .andHalf = "साढ़े ",
    .past = " बजकर ",
    .minutePast = " मिनट हुआ है",
    .minutesPast = " मिनट हुए हैं",
    .to = " बजने में ",
    .minuteTo = " मिनट है",
    .minutesTo = " मिनट हैं",
};

} // namespace

std::string hindiTime(int hour, int minute) {
    return fractionTime(words, hour, minute);
}

// espeak-ng reads बजकर in three syllables; people say बज्-कर.
std::span<const Respelling> hindiRespellings() {
    static constexpr Respelling table[]{{"बजकर", "बज्कर"}};
    return table;
}

} // namespace ql::voice
