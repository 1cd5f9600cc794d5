// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock with the part of the day: "Son las tres y cuarto de la tarde."
namespace ql::voice {
namespace {

constexpr std::array<const char*, 30> ones{"",
                                           "uno",
                                           "dos",
                                           "tres",
                                           "cuatro",
                                           "cinco",
                                           "seis",
                                           "siete",
                                           "ocho",
                                           "nueve",
                                           "diez",
                                           "once",
                                           "doce",
                                           "trece",
                                           "catorce",
                                           "quince",
                                           "dieciséis",
                                           "diecisiete",
                                           "dieciocho",
                                           "diecinueve",
                                           "veinte",
                                           "veintiuno",
                                           "veintidós",
                                           "veintitrés",
                                           "veinticuatro",
                                           "veinticinco",
                                           "veintiséis",
                                           "veintisiete",
                                           "veintiocho",
                                           "veintinueve"};
constexpr std::array<const char*, 6> tens{"", "", "", "treinta", "cuarenta", "cincuenta"};

std::string number(int n) {
    if (n < 30) return ones[n];
    std::string s = tens[n / 10];
    if (n % 10) s += std::string(" y ") + ones[n % 10];
    return s;
}

const char* partOfDay(int hour) {
    if (hour == 0) return "de la noche";
    if (hour < 6) return "de la madrugada";
    if (hour < 12) return "de la mañana";
    if (hour == 12) return "del mediodía";
    if (hour < 20) return "de la tarde";
    return "de la noche";
}

std::string minutes(int minute) {
    if (minute == 0) return " en punto";
    if (minute == 1) return " y un minuto";
    if (minute == 15) return " y cuarto";
    if (minute == 30) return " y media";
    return " y " + number(minute);
}

} // namespace

std::string spanishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Es medianoche.";
    if (minute == 0 && hour == 12) return "Es mediodía.";
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    const std::string start = h12 == 1 ? "Es la una" : "Son las " + number(h12);
    return start + minutes(minute) + " " + partOfDay(hour) + ".";
}

} // namespace ql::voice
