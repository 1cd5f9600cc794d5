// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// The spoken twelve-hour clock, counted around the hour and the half of the coming one: "pet čez
// dve", "četrt čez dve", "pet do pol treh" (2:25), "pol treh" (2:30), "pet čez pol treh" (2:35),
// "četrt do treh", "pet do treh". "čez" takes the accusative (eno), "do" and "pol" the genitive
// (enih, dveh). Odd amounts name the minutes, with the dual: ena minuta, dve minuti, tri minute.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 13> hours{"",      "ena",    "dve",     "tri",  "štiri",
                                            "pet",   "šest",   "sedem",   "osem", "devet",
                                            "deset", "enajst", "dvanajst"};
constexpr std::array<const char*, 13> hoursGenitive{
    "",       "enih",  "dveh",    "treh",    "štirih",   "petih",     "šestih",
    "sedmih", "osmih", "devetih", "desetih", "enajstih", "dvanajstih"};
constexpr std::array<const char*, 21> amounts{
    "",           "ena",      "dve",       "tri",        "štiri",     "pet",        "šest",
    "sedem",      "osem",     "devet",     "deset",      "enajst",    "dvanajst",   "trinajst",
    "štirinajst", "petnajst", "šestnajst", "sedemnajst", "osemnajst", "devetnajst", "dvajset"};

std::string amount(int n) {
    const std::string s = amounts[n];
    if (n % 5 == 0) return s;
    return s + (n == 1 ? " minuta" : n == 2 ? " minuti" : n <= 4 ? " minute" : " minut");
}

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

} // namespace

std::string slovenianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Je polnoč.";
    if (minute == 0 && hour == 12) return "Je poldne.";
    const int now = twelve(hour);
    const std::string past = now == 1 ? "eno" : hours[now]; // accusative after "čez"
    const std::string next = hoursGenitive[twelve(hour + 1)];
    std::string s = "Ura je ";
    if (minute == 0)
        s += hours[now];
    else if (minute == 15)
        s += "četrt čez " + past;
    else if (minute <= 20)
        s += amount(minute) + " čez " + past;
    else if (minute < 30)
        s += amount(30 - minute) + " do pol " + next;
    else if (minute == 30)
        s += "pol " + next;
    else if (minute < 40)
        s += amount(minute - 30) + " čez pol " + next;
    else if (minute == 45)
        s += "četrt do " + next;
    else
        s += amount(60 - minute) + " do " + next;
    return s + ".";
}

// espeak-ng stresses "minut" and the teens on their first syllable: minút, dvanájst.
std::span<const Respelling> slovenianRespellings() {
    static constexpr Respelling table[]{
        {"minut", "[[min'u:t]]"},          {"enajst", "[[en'ajst]]"},
        {"dvanajst", "[[dvan'ajst]]"},     {"trinajst", "[[trin'ajst]]"},
        {"štirinajst", "[[Stirin'ajst]]"}, {"petnajst", "[[petn'ajst]]"},
        {"šestnajst", "[[Sestn'ajst]]"},   {"sedemnajst", "[[sedemn'ajst]]"},
        {"osemnajst", "[[osemn'ajst]]"},   {"devetnajst", "[[devetn'ajst]]"},
        {"enajstih", "[[en'ajstix]]"},     {"dvanajstih", "[[dvan'ajstix]]"}};
    return table;
}

} // namespace ql::voice
