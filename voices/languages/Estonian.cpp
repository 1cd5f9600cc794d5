// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// Twelve-hour clock: "Kell on kümme minutit üle kahe" (past takes the genitive), "veerand kolm"
// (2:15, a quarter into the third hour), "pool kolm" (2:30), "kolmveerand kolm" (2:45), "kümme
// minutit puudu kolm" (2:50); past the half it counts on until twenty to ("kolmkümmend viis
// minutit üle kahe"). Minutes after a number other than one are in the partitive.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 13> hours{"",      "üks",      "kaks",     "kolm",    "neli",
                                            "viis",  "kuus",     "seitse",   "kaheksa", "üheksa",
                                            "kümme", "üksteist", "kaksteist"};
constexpr std::array<const char*, 13> hoursGenitive{
    "",        "ühe",     "kahe",   "kolme", "nelja",         "viie",          "kuue",
    "seitsme", "kaheksa", "üheksa", "kümne", "üheteistkümne", "kaheteistkümne"};
constexpr std::array<const char*, 20> ones{
    "",          "üks",       "kaks",      "kolm",        "neli",         "viis",       "kuus",
    "seitse",    "kaheksa",   "üheksa",    "kümme",       "üksteist",     "kaksteist",  "kolmteist",
    "neliteist", "viisteist", "kuusteist", "seitseteist", "kaheksateist", "üheksateist"};

std::string minutes(int n) {
    const char* tens = n < 30 ? "kakskümmend" : "kolmkümmend";
    std::string s = n < 20 ? ones[n] : n % 10 ? std::string(tens) + " " + ones[n % 10] : tens;
    return s + (n == 1 ? " minut" : " minutit");
}

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

} // namespace

std::string estonianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "On kesköö.";
    if (minute == 0 && hour == 12) return "On keskpäev.";
    const int now = twelve(hour);
    const std::string next = hours[twelve(hour + 1)];
    std::string s = "Kell on ";
    if (minute == 0)
        s += hours[now];
    else if (minute == 15)
        s += "veerand " + next;
    else if (minute == 30)
        s += "pool " + next;
    else if (minute == 45)
        s += "kolmveerand " + next;
    else if (minute < 40)
        s += minutes(minute) + " üle " + hoursGenitive[now];
    else
        s += minutes(60 - minute) + " puudu " + next;
    return s + ".";
}

// Estonian stresses the first syllable; espeak-ng stresses "kesköö" on its second.
std::span<const Respelling> estonianRespellings() {
    static constexpr Respelling table[]{{"kesköö", "[['keskY:]]"}};
    return table;
}

} // namespace ql::voice
