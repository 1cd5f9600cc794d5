#include "common/HalfHourClock.h"
#include "common/Phrases.h"

// Bokmål: "Klokka er fem over ett.", "Klokka er fem på halv tre." (2:25)
namespace ql::voice {
namespace {

const HalfHourWords norwegian{
    {"", "ett", "to", "tre", "fire", "fem", "seks", "sju", "åtte", "ni", "ti", "elleve", "tolv"},
    {"",        "ett",    "to",      "tre",    "fire",   "fem",    "seks",
     "sju",     "åtte",   "ni",      "ti",     "elleve", "tolv",   "tretten",
     "fjorten", "femten", "seksten", "sytten", "atten",  "nitten", "tjue"},
    "minutt",
    "minutter",
    "over",
    "på",
    "halv",
    "kvart"};

} // namespace

std::string norwegianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Det er midnatt.";
    return "Klokka er " + halfHourTime(norwegian, hour, minute) + ".";
}

} // namespace ql::voice
