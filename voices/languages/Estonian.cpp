#include "common/Phrases.h"

#include <array>

// Twelve-hour clock: "Kell on kümme minutit üle kahe" (past takes the genitive), "veerand kolm"
// (2:15, a quarter into the third hour), "pool kolm" (2:30), "kolmveerand kolm" (2:45), "kümme
// minutit puudu kolm" (2:50). Minutes after a number other than one are in the partitive.
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
    std::string s = n < 20    ? ones[n]
                    : n == 20 ? "kakskümmend"
                              : std::string("kakskümmend ") + ones[n - 20];
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
    else if (minute < 30)
        s += minutes(minute) + " üle " + hoursGenitive[now];
    else
        s += minutes(60 - minute) + " puudu " + next;
    return s + ".";
}

} // namespace ql::voice
