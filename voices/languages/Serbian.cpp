// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/SlavicNumbers.h"

// "Сада је четрнаест часова и пет минута.", in Cyrillic and the ekavian "две". The noun follows
// the last word of the number: један час, два часа, пет часова; једна минута, две минуте, пет
// минута; eleven to fourteen count as many.
namespace ql::voice {
namespace {

constexpr SlavicNumerals words{{"нула",     "један",     "два",        "три",       "четири",
                                "пет",      "шест",      "седам",      "осам",      "девет",
                                "десет",    "једанаест", "дванаест",   "тринаест",  "четрнаест",
                                "петнаест", "шеснаест",  "седамнаест", "осамнаест", "деветнаест"},
                               {"", "", "двадесет", "тридесет", "четрдесет", "педесет"},
                               "једна",
                               "две"};

} // namespace

std::string serbianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Сада је поноћ.";
    if (minute == 0 && hour == 12) return "Сада је подне.";
    std::string s = "Сада је " + slavicNumber(words, hour, false) + " " +
                    slavicNoun(hour, "час", "часа", "часова");
    if (minute)
        s.append(" и ").append(slavicNumber(words, minute, true) + " " +
                               slavicNoun(minute, "минута", "минуте", "минута"));
    return s + ".";
}

} // namespace ql::voice
