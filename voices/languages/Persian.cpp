// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// Twelve-hour clock as spoken: "ساعت سه و ده دقیقه است.", "سه و ربع" (3:15), "سه و نیم" (3:30),
// then, from twenty to, towards the next hour: "ده دقیقه به چهار", "یک ربع به چهار" (3:45).
namespace ql::voice {
namespace {

constexpr std::array<const char*, 21> ones{
    "",      "یک",     "دو",    "سه",     "چهار",   "پنج",    "شش",   "هفت",  "هشت",   "نه",  "ده",
    "یازده", "دوازده", "سیزده", "چهارده", "پانزده", "شانزده", "هفده", "هجده", "نوزده", "بیست"};

std::string number(int n) {
    if (n <= 20) return ones[n];
    std::string s = n < 30 ? "بیست" : "سی";
    return n % 10 ? s + " و " + ones[n % 10] : s;
}

} // namespace

std::string persianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "ساعت دوازده شب است.";
    if (minute == 0 && hour == 12) return "ساعت دوازده ظهر است.";
    const std::string now = ones[hour % 12 == 0 ? 12 : hour % 12];
    const std::string next = ones[(hour + 1) % 12 == 0 ? 12 : (hour + 1) % 12];
    std::string s = "ساعت ";
    if (minute == 0)
        s += now;
    else if (minute == 15)
        s += now + " و ربع";
    else if (minute == 30)
        s += now + " و نیم";
    else if (minute == 45)
        s += "یک ربع به " + next;
    else if (minute < 40)
        s += now + " و " + number(minute) + " دقیقه";
    else
        s += number(60 - minute) + " دقیقه به " + next;
    return s + " است.";
}

// Without its vowel mark, espeak-ng reads nine (نه) as "na", the word for no.
std::span<const Respelling> persianRespellings() {
    static constexpr Respelling table[]{{"نه", "نُه"}};
    return table;
}

} // namespace ql::voice
