// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// Twenty-four-hour clock: "Dabar keturiolika valandų penkios minutės." Both nouns are feminine
// and take their form from the number: 1, 21 … valanda; 2-9, 22 … valandos; 10-20 and round
// tens valandų (the genitive plural).
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "nulis",      "viena",      "dvi",          "trys",         "keturios",
    "penkios",    "šešios",     "septynios",    "aštuonios",    "devynios",
    "dešimt",     "vienuolika", "dvylika",      "trylika",      "keturiolika",
    "penkiolika", "šešiolika",  "septyniolika", "aštuoniolika", "devyniolika"};
constexpr std::array<const char*, 6> tens{
    "", "", "dvidešimt", "trisdešimt", "keturiasdešimt", "penkiasdešimt"};

std::string number(int n) {
    if (n < 20) return ones[n];
    std::string s = tens[n / 10];
    if (n % 10) s.append(" ").append(ones[n % 10]);
    return s;
}

std::string counted(int n, const char* one, const char* few, const char* many) {
    const int last = n % 10;
    const bool teen = n % 100 >= 10 && n % 100 <= 20;
    const char* noun = teen || last == 0 ? many : last == 1 ? one : few;
    return number(n) + " " + noun;
}

} // namespace

std::string lithuanianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Dabar vidurnaktis.";
    if (minute == 0 && hour == 12) return "Dabar vidurdienis.";
    std::string s = "Dabar " + counted(hour, "valanda", "valandos", "valandų");
    if (minute) s.append(" ").append(counted(minute, "minutė", "minutės", "minučių"));
    return s + ".";
}

// espeak-ng's stress: dabar̃, valandà, vãlandos, valandų̃, dvìdešimt, trìsdešimt, trýlika,
// vidùrnaktis.
std::span<const Respelling> lithuanianRespellings() {
    static constexpr Respelling table[]{{"Dabar", "[[dab'ar]]"},
                                        {"valanda", "[[val'anda]]"},
                                        {"valandos", "[[v'alando:s]]"},
                                        {"valandų", "[[valand'u:]]"},
                                        {"dvidešimt", "[[dv;'id;eS;imt]]"},
                                        {"trisdešimt", "[[t;r;'is;d;eS;imt]]"},
                                        {"trylika", "[[t;r;'i:l;Ika]]"},
                                        {"vidurnaktis", "[[v;id'urnakt;is]]"}};
    return table;
}

} // namespace ql::voice
