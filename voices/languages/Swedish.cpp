#include "common/HalfHourClock.h"
#include "common/Phrases.h"

// "Klockan är fem över ett.", "Klockan är fem i halv tre." (2:25)
namespace ql::voice {
namespace {

const HalfHourWords swedish{
    {"", "ett", "två", "tre", "fyra", "fem", "sex", "sju", "åtta", "nio", "tio", "elva", "tolv"},
    {"",        "en",     "två",    "tre",     "fyra",  "fem",    "sex",
     "sju",     "åtta",   "nio",    "tio",     "elva",  "tolv",   "tretton",
     "fjorton", "femton", "sexton", "sjutton", "arton", "nitton", "tjugo"},
    "minut",
    "minuter",
    "över",
    "i",
    "halv",
    "kvart"};

} // namespace

std::string swedishTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Det är midnatt.";
    return "Klockan är " + halfHourTime(swedish, hour, minute) + ".";
}

} // namespace ql::voice
