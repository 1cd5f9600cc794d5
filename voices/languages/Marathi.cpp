// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock as spoken: "आता दोन वाजून दहा मिनिटे झाली आहेत.", with the quarter words सव्वा
// दोन (2:15), अडीच (2:30), दीड (1:30), साडेतीन (3:30), पावणे तीन (2:45); the last quarter hour counts
// down: "तीन वाजायला दहा मिनिटे आहेत.". One o'clock and one minute are singular.
namespace ql::voice {
namespace {

// Every number to forty-four has its own word.
constexpr std::array<const char*, 45> numbers{
    "",      "एक",       "दोन",    "तीन",     "चार",     "पाच",     "सहा",   "सात",
    "आठ",    "नऊ",       "दहा",    "अकरा",    "बारा",    "तेरा",     "चौदा",  "पंधरा",
    "सोळा",  "सतरा",     "अठरा",   "एकोणीस",  "वीस",     "एकवीस",   "बावीस", "तेवीस",
    "चोवीस", "पंचवीस",    "सव्वीस",  "सत्तावीस", "अठ्ठावीस", "एकोणतीस", "तीस",   "एकतीस",
    "बत्तीस", "तेहेतीस",    "चौतीस",  "पस्तीस",   "छत्तीस",   "सदतीस",   "अडतीस", "एकोणचाळीस",
    "चाळीस", "एक्केचाळीस", "बेचाळीस", "त्रेचाळीस", "चव्वेचाळीस"};

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

std::string half(int h) {
    if (h == 1) return "दीड";
    if (h == 2) return "अडीच";
    return std::string("साडे") + numbers[h];
}

} // namespace

std::string marathiTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "आता रात्रीचे बारा वाजले आहेत.";
    if (minute == 0 && hour == 12) return "आता दुपारचे बारा वाजले आहेत.";
    const int now = twelve(hour);
    const int next = twelve(hour + 1);
    std::string s = "आता ";
    if (minute == 0)
        s += now == 1 ? "एक वाजला आहे" : std::string(numbers[now]) + " वाजले आहेत";
    else if (minute == 15)
        s += std::string("सव्वा ") + numbers[now] + " वाजले आहेत";
    else if (minute == 30)
        s += half(now) + " वाजले आहेत";
    else if (minute == 45)
        s += std::string("पावणे ") + numbers[next] + " वाजले आहेत";
    else if (minute < 45)
        s += std::string(numbers[now]) + " वाजून " + numbers[minute] +
             (minute == 1 ? " मिनिट झाले आहे" : " मिनिटे झाली आहेत");
    else
        s += std::string(numbers[next]) + " वाजायला " + numbers[60 - minute] +
             (60 - minute == 1 ? " मिनिट आहे" : " मिनिटे आहेत");
    return s + ".";
}

} // namespace ql::voice
