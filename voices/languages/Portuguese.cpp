// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// European Portuguese, twenty-four-hour clock: "São treze horas e cinco minutos." Hours are
// feminine (uma, duas, vinte e uma), minutes masculine (um, dois, vinte e um).
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "zero",    "um",     "dois",      "três",      "quatro",  "cinco",   "seis",
    "sete",    "oito",   "nove",      "dez",       "onze",    "doze",    "treze",
    "catorze", "quinze", "dezasseis", "dezassete", "dezoito", "dezanove"};
constexpr std::array<const char*, 6> tens{"", "", "vinte", "trinta", "quarenta", "cinquenta"};

std::string unit(int n, bool feminine) {
    if (feminine && n == 1) return "uma";
    if (feminine && n == 2) return "duas";
    return ones[n];
}

std::string number(int n, bool feminine) {
    if (n < 20) return unit(n, feminine);
    std::string s = tens[n / 10];
    if (n % 10) s += " e " + unit(n % 10, feminine);
    return s;
}

std::string minutes(int minute) {
    if (minute == 0) return "";
    return " e " + number(minute, false) + (minute == 1 ? " minuto" : " minutos");
}

} // namespace

std::string portugueseTime(int hour, int minute) {
    if (hour == 0) return "É meia-noite" + minutes(minute) + ".";
    if (hour == 12) return "É meio-dia" + minutes(minute) + ".";
    if (hour == 1) return "É uma hora" + minutes(minute) + ".";
    return "São " + number(hour, true) + " horas" + minutes(minute) + ".";
}

} // namespace ql::voice
