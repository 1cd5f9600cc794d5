// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// "Часът е четиринадесет и пет минути.": the hour is counted with the masculine "час" understood
// (един, два), the minutes are feminine (една, две). Only a lone "една" keeps the singular
// "минута"; compounds join their last word with "и" and count in the plural.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "нула",       "един",        "два",          "три",         "четири",
    "пет",        "шест",        "седем",        "осем",        "девет",
    "десет",      "единадесет",  "дванадесет",   "тринадесет",  "четиринадесет",
    "петнадесет", "шестнадесет", "седемнадесет", "осемнадесет", "деветнадесет"};
constexpr std::array<const char*, 6> tens{"",        "", "двадесет", "тридесет", "четиридесет",
                                          "петдесет"};

std::string unit(int n, bool feminine) {
    if (feminine && n == 1) return "една";
    if (feminine && n == 2) return "две";
    return ones[n];
}

std::string number(int n, bool feminine) {
    if (n < 20) return unit(n, feminine);
    std::string s = tens[n / 10];
    if (n % 10) s.append(" и ").append(unit(n % 10, feminine));
    return s;
}

} // namespace

std::string bulgarianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Сега е полунощ.";
    if (minute == 0 && hour == 12) return "Сега е пладне.";
    std::string s = "Часът е " + number(hour, false);
    // "двадесет и един и една минута" would join three numbers with "и": the hour is named.
    if (minute && hour > 20) s += " часа";
    if (minute)
        s.append(" и ").append(number(minute, true) + (minute == 1 ? " минута" : " минути"));
    return s + ".";
}

// espeak-ng stresses every "-десет" on that ending; they are said двА-, трИ-, четирИ-, and the
// teens on "-нА-".
std::span<const Respelling> bulgarianRespellings() {
    static constexpr Respelling table[]{{"двадесет", "[[dv'adeset]]"},
                                        {"тридесет", "[[tr'ideset]]"},
                                        {"четиридесет", "[[tSet'irideset]]"},
                                        {"единадесет", "[[edin'adeset]]"},
                                        {"дванадесет", "[[dv'anadeset]]"},
                                        {"тринадесет", "[[tr'inadeset]]"},
                                        {"четиринадесет", "[[tSetir'inadeset]]"},
                                        {"петнадесет", "[[petn'adeset]]"},
                                        {"шестнадесет", "[[Sestn'adeset]]"},
                                        {"седемнадесет", "[[sedemn'adeset]]"},
                                        {"осемнадесет", "[[osemn'adeset]]"},
                                        {"деветнадесет", "[[devetn'adeset]]"}};
    return table;
}

} // namespace ql::voice
