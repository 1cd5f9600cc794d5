// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// The Catalan bell-tower clock, counted in quarters of the coming hour: "són les vuit i cinc",
// "és un quart de nou" (8:15), "un quart i cinc de nou" (8:20), "falten cinc minuts per a dos
// quarts de nou" (8:25), "són tres quarts de nou" (8:45), "falten cinc minuts per a les nou".
namespace ql::voice {
namespace {

// Hours are feminine (la una, les dues); minutes masculine (un minut, dos minuts).
constexpr std::array<const char*, 13> hours{"",    "una",  "dues", "tres", "quatre", "cinc", "sis",
                                            "set", "vuit", "nou",  "deu",  "onze",   "dotze"};
constexpr std::array<const char*, 11> amounts{"",    "un",  "dos",  "tres", "quatre", "cinc",
                                              "sis", "set", "vuit", "nou",  "deu"};

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

// "la una", "les dues"
std::string the(int h) {
    return h == 1 ? "la una" : std::string("les ") + hours[h];
}

// "d'una", "de dues", "d'onze": "de" elides before a vowel.
std::string of(int h) {
    return h == 1 || h == 11 ? std::string("d'") + hours[h] : std::string("de ") + hours[h];
}

// Round amounts go without "minuts": "i cinc", but "i tres minuts".
std::string amount(int n) {
    if (n == 5 || n == 10) return amounts[n];
    return std::string(amounts[n]) + (n == 1 ? " minut" : " minuts");
}

// "Falten cinc minuts per a ...": the count before a point is always said with its noun.
std::string missing(int n, const std::string& point) {
    const std::string verb = n == 1 ? "Falta " : "Falten ";
    return verb + amounts[n] + (n == 1 ? " minut" : " minuts") + " per a " + point;
}

} // namespace

std::string catalanTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "És mitjanit.";
    if (minute == 0 && hour == 12) return "És migdia.";
    const int now = twelve(hour);
    const int next = twelve(hour + 1);
    const std::string verb = now == 1 ? "És " : "Són ";
    std::string s;
    if (minute == 0)
        s = verb + the(now);
    else if (minute <= 10)
        s = verb + the(now) + " i " + amount(minute);
    else if (minute < 15)
        s = missing(15 - minute, "un quart " + of(next));
    else if (minute == 15)
        s = "És un quart " + of(next);
    else if (minute <= 22)
        s = "És un quart i " + amount(minute - 15) + " " + of(next);
    else if (minute < 30)
        s = missing(30 - minute, "dos quarts " + of(next));
    else if (minute == 30)
        s = "Són dos quarts " + of(next);
    else if (minute <= 37)
        s = "Són dos quarts i " + amount(minute - 30) + " " + of(next);
    else if (minute < 45)
        s = missing(45 - minute, "tres quarts " + of(next));
    else if (minute == 45)
        s = "Són tres quarts " + of(next);
    else if (minute <= 52)
        s = "Són tres quarts i " + amount(minute - 45) + " " + of(next);
    else
        s = missing(60 - minute, the(next));
    return s + ".";
}

// espeak-ng gives the g of "migdia" a hard [g]; it is [dʒ].
std::span<const Respelling> catalanRespellings() {
    static constexpr Respelling table[]{{"migdia", "[[midZd'i@]]"}};
    return table;
}

} // namespace ql::voice
