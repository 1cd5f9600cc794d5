#include "common/Phrases.h"

#include <array>

// The everyday twelve-hour clock, counted around the hour and the half hour: "fem över tre",
// "kvart i fyra", "fem i halv tre" (2:25), "halv tre" (2:30).
namespace ql::voice {
namespace {

constexpr std::array<const char*, 21> ones{
    "",        "en",     "två",    "tre",     "fyra",  "fem",    "sex",
    "sju",     "åtta",   "nio",    "tio",     "elva",  "tolv",   "tretton",
    "fjorton", "femton", "sexton", "sjutton", "arton", "nitton", "tjugo"};

std::string hourName(int hour) {
    const int h12 = hour % 12 == 0 ? 12 : hour % 12;
    return h12 == 1 ? "ett" : ones[h12];
}

// Round amounts go without "minuter": "fem över", but "sju minuter över".
std::string amount(int n) {
    if (n == 1) return "en minut";
    if (n % 5 == 0) return ones[n];
    return std::string(ones[n]) + " minuter";
}

std::string clock(int hour, int minute) {
    const std::string next = hourName(hour + 1);
    if (minute == 0) return hourName(hour);
    if (minute == 15) return "kvart över " + hourName(hour);
    if (minute == 30) return "halv " + next;
    if (minute == 45) return "kvart i " + next;
    if (minute <= 20) return amount(minute) + " över " + hourName(hour);
    if (minute < 30) return amount(30 - minute) + " i halv " + next;
    if (minute < 40) return amount(minute - 30) + " över halv " + next;
    return amount(60 - minute) + " i " + next;
}

} // namespace

std::string swedishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Det är midnatt.";
    return "Klockan är " + clock(hour, minute) + ".";
}

} // namespace ql::voice
