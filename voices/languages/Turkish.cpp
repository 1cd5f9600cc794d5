// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// Twelve-hour clock counted past and to the hour: "Saat üçü beş geçiyor." (3:05), "Saat dörde
// çeyrek var." (3:45), "Saat iki buçuk." (2:30). Past takes the hour in the accusative, to in the
// dative; half past twelve is "yarım".
namespace ql::voice {
namespace {

constexpr std::array<const char*, 13> hours{"",    "bir",    "iki",   "üç",    "dört",
                                            "beş", "altı",   "yedi",  "sekiz", "dokuz",
                                            "on",  "on bir", "on iki"};
constexpr std::array<const char*, 13> accusative{"",     "biri",    "ikiyi",   "üçü",    "dördü",
                                                 "beşi", "altıyı",  "yediyi",  "sekizi", "dokuzu",
                                                 "onu",  "on biri", "on ikiyi"};
constexpr std::array<const char*, 13> dative{"",     "bire",    "ikiye",   "üçe",    "dörde",
                                             "beşe", "altıya",  "yediye",  "sekize", "dokuza",
                                             "ona",  "on bire", "on ikiye"};
constexpr std::array<const char*, 10> ones{"",    "bir",  "iki",  "üç",    "dört",
                                           "beş", "altı", "yedi", "sekiz", "dokuz"};

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

// 1-29 minutes, a quarter being "çeyrek".
std::string amount(int n) {
    if (n == 15) return "çeyrek";
    std::string s = n >= 20 ? "yirmi" : n >= 10 ? "on" : "";
    if (n % 10) s += std::string(s.empty() ? "" : " ") + ones[n % 10];
    return s;
}

std::string clock(int hour, int minute) {
    if (minute == 0) return hours[twelve(hour)];
    if (minute == 30)
        return twelve(hour) == 12 ? "yarım" : std::string(hours[twelve(hour)]) + " buçuk";
    if (minute < 30)
        return std::string(accusative[twelve(hour)]) + " " + amount(minute) + " geçiyor";
    return std::string(dative[twelve(hour + 1)]) + " " + amount(60 - minute) + " var";
}

} // namespace

std::string turkishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Gece yarısı.";
    return "Saat " + clock(hour, minute) + ".";
}

// espeak-ng turns a stressed ü into ö here ("öç" is another word), so these go as phonemes.
std::span<const Respelling> turkishRespellings() {
    static constexpr Respelling table[]{
        {"üç", "[['ytS]]"}, {"üçü", "[[ytS'y]]"}, {"dördü", "[[dWRd'y]]"}};
    return table;
}

} // namespace ql::voice
