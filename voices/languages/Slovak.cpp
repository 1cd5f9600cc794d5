// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/SlavicNumbers.h"

#include <array>

// "Je štrnásť hodín päť minút." As in Czech, the noun and the verb follow the number: jedna
// hodina (je), dve až štyri hodiny (sú), otherwise hodín (je). Compounds are written as one word
// and do not decline (dvadsaťjeden, dvadsaťdva), so they take the genitive plural.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "nula",    "jedna",   "dve",      "tri",       "štyri",    "päť",      "šesť",
    "sedem",   "osem",    "deväť",    "desať",     "jedenásť", "dvanásť",  "trinásť",
    "štrnásť", "pätnásť", "šestnásť", "sedemnásť", "osemnásť", "devätnásť"};
constexpr std::array<const char*, 10> compoundUnits{"",    "jeden", "dva",   "tri",  "štyri",
                                                    "päť", "šesť",  "sedem", "osem", "deväť"};
constexpr std::array<const char*, 6> tens{"", "", "dvadsať", "tridsať", "štyridsať", "päťdesiat"};

std::string number(int n) {
    if (n < 20) return ones[n];
    return std::string(tens[n / 10]) + compoundUnits[n % 10];
}

std::string counted(int n, const char* one, const char* few, const char* many) {
    return number(n) + " " + westSlavicNoun(n, one, few, many);
}

} // namespace

std::string slovakTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Je polnoc.";
    if (minute == 0 && hour == 12) return "Je poludnie.";
    std::string s = hour >= 2 && hour <= 4 ? "Sú " : "Je ";
    s += counted(hour, "hodina", "hodiny", "hodín");
    if (minute) s.append(" ").append(counted(minute, "minúta", "minúty", "minút"));
    return s + ".";
}

} // namespace ql::voice
