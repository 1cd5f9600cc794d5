// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/FractionClock.h"
#include "common/Phrases.h"

// Twelve-hour clock as spoken: "आता दोन वाजून दहा मिनिटे झाली आहेत.", with the quarter words सव्वा
// दोन (2:15), अडीच (2:30), दीड (1:30), साडेतीन (3:30), पावणे तीन (2:45); the last quarter hour counts
// down: "तीन वाजायला दहा मिनिटे आहेत.". One o'clock and one minute are singular.
namespace ql::voice {
namespace {

const FractionWords words{
    .numbers = {"",        "एक",      "दोन",     "तीन",   "चार",       "पाच",    "सहा",
                "सात",     "आठ",      "नऊ",      "दहा",   "अकरा",      "बारा",   "तेरा",
                "चौदा",    "पंधरा",    "सोळा",    "सतरा",  "अठरा",      "एकोणीस", "वीस",
                "एकवीस",   "बावीस",   "तेवीस",    "चोवीस", "पंचवीस",     "सव्वीस",  "सत्तावीस",
                "अठ्ठावीस", "एकोणतीस", "तीस",     "एकतीस", "बत्तीस",     "तेहेतीस",  "चौतीस",
                "पस्तीस",   "छत्तीस",   "सदतीस",   "अडतीस", "एकोणचाळीस", "चाळीस",  "एक्केचाळीस",
                "बेचाळीस",  "त्रेचाळीस", "चव्वेचाळीस"},
    .now = "आता ",
    .midnight = "आता रात्रीचे बारा वाजले आहेत.",
    .noon = "आता दुपारचे बारा वाजले आहेत.",
    .end = ".",
    .struckOne = " वाजला आहे",
    .struck = " वाजले आहेत",
    .fractionsAgree = false,
    .quarterPast = "सव्वा ",
    .quarterTo = "पावणे ",
    .oneAndHalf = "दीड",
    .twoAndHalf = "अडीच",
    .andHalf = "साडे",
    .past = " वाजून ",
    .minutePast = " मिनिट झाले आहे",
    .minutesPast = " मिनिटे झाली आहेत",
    .to = " वाजायला ",
    .minuteTo = " मिनिट आहे",
    .minutesTo = " मिनिटे आहेत",
};

} // namespace

std::string marathiTime(int hour, int minute) {
    return fractionTime(words, hour, minute);
}

} // namespace ql::voice
