// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// Twelve-hour clock: "Klukkan er tíu mínútur yfir tvö", "korter yfir tvö", "hálf þrjú" (2:30,
// half of the coming hour), "korter í þrjú", "tíu mínútur í þrjú". Hours are neuter (eitt, tvö,
// þrjú, fjögur); minutes feminine (ein, tvær, þrjár, fjórar), singular after a final one.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 13> hours{"",    "eitt", "tvö", "þrjú", "fjögur", "fimm", "sex",
                                            "sjö", "átta", "níu", "tíu",  "ellefu", "tólf"};
constexpr std::array<const char*, 20> ones{"",        "ein",    "tvær",    "þrjár",   "fjórar",
                                           "fimm",    "sex",    "sjö",     "átta",    "níu",
                                           "tíu",     "ellefu", "tólf",    "þrettán", "fjórtán",
                                           "fimmtán", "sextán", "sautján", "átján",   "nítján"};

std::string minutes(int n) {
    const char* tens = n < 30 ? "tuttugu" : "þrjátíu";
    std::string s = n < 20 ? ones[n] : n % 10 ? std::string(tens) + " og " + ones[n % 10] : tens;
    return s + (n % 10 == 1 && n != 11 ? " mínúta" : " mínútur");
}

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

} // namespace

std::string icelandicTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Klukkan er tólf á miðnætti.";
    if (minute == 0 && hour == 12) return "Klukkan er tólf á hádegi.";
    const std::string now = hours[twelve(hour)];
    const std::string next = hours[twelve(hour + 1)];
    std::string s = "Klukkan er ";
    if (minute == 0)
        s += now;
    else if (minute == 15)
        s += "korter yfir " + now;
    else if (minute == 30)
        s += "hálf " + next;
    else if (minute == 45)
        s += "korter í " + next;
    else if (minute < 40)
        s += minutes(minute) + " yfir " + now;
    else
        s += minutes(60 - minute) + " í " + next;
    return s + ".";
}

// espeak-ng puts a vowel between þ and r.
std::span<const Respelling> icelandicRespellings() {
    static constexpr Respelling table[]{{"þrjú", "[[TRj'u:]]"},
                                        {"þrjár", "[[TRj'aU:r]]"},
                                        {"þrjátíu", "[[TRj'aU:di;y]]"},
                                        {"þrettán", "[[TR'EhdaUn]]"}};
    return table;
}

} // namespace ql::voice
