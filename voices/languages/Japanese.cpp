// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// In kana, since espeak-ng reads kanji as English. Twelve-hour clock after ごぜん/ごご, as
// announced: "ただいま ごご さんじ じゅうごふん です。" (午後3時15分), "さんじ はん" (3:30).
// Midnight's hour is れいじ; the minutes take ふん or ぷん, with the sound changes of いっぷん,
// ろっぷん, はっぷん, じゅっぷん.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 13> hours{
    "れいじ", "いちじ", "にじ", "さんじ",   "よじ",         "ごじ",      "ろくじ",
    "しちじ", "はちじ", "くじ", "じゅうじ", "じゅういちじ", "じゅうにじ"};
constexpr std::array<const char*, 10> units{"",         "いっぷん",  "にふん",   "さんぷん",
                                            "よんぷん", "ごふん",    "ろっぷん", "ななふん",
                                            "はっぷん", "きゅうふん"};
// Tens before a unit; a round ten ends in じゅっぷん instead.
constexpr std::array<const char*, 6> tens{"",           "じゅう",     "にじゅう",
                                          "さんじゅう", "よんじゅう", "ごじゅう"};
constexpr std::array<const char*, 6> roundTens{
    "", "じゅっぷん", "にじゅっぷん", "さんじゅっぷん", "よんじゅっぷん", "ごじゅっぷん"};

std::string minutes(int n) {
    if (n < 10) return units[n];
    return n % 10 ? std::string(tens[n / 10]) + units[n % 10] : roundTens[n / 10];
}

} // namespace

std::string japaneseTime(int hour, int minute) {
    std::string s = "ただいま ";
    s += hour < 12 ? "ごぜん " : "ごご ";
    s += hours[hour == 12 ? 12 : hour % 12];
    if (minute == 30)
        s += " はん";
    else if (minute)
        s.append(" ").append(minutes(minute));
    return s + " です。";
}

} // namespace ql::voice
