// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock, counted past the hour until twenty to the next one: "δύο και δέκα", "δύο
// και τέταρτο", "δύο και μισή", "δύο και τριάντα πέντε", "τρεις παρά είκοσι", "τρεις παρά
// τέταρτο". Hours
// agree with the feminine "ώρα" (μία, τρεις, τέσσερις); minutes are neuter (ένα, τρία, τέσσερα).
namespace ql::voice {
namespace {

constexpr std::array<const char*, 13> hours{"",      "μία",    "δύο",   "τρεις", "τέσσερις",
                                            "πέντε", "έξι",    "επτά",  "οκτώ",  "εννέα",
                                            "δέκα",  "έντεκα", "δώδεκα"};
constexpr std::array<const char*, 20> ones{"",        "ένα",      "δύο",         "τρία",
                                           "τέσσερα", "πέντε",    "έξι",         "επτά",
                                           "οκτώ",    "εννέα",    "δέκα",        "έντεκα",
                                           "δώδεκα",  "δεκατρία", "δεκατέσσερα", "δεκαπέντε",
                                           "δεκαέξι", "δεκαεπτά", "δεκαοκτώ",    "δεκαεννέα"};

std::string number(int n) {
    if (n < 20) return ones[n];
    if (n == 20) return "είκοσι";
    if (n == 30) return "τριάντα";
    return std::string(n < 30 ? "είκοσι " : "τριάντα ") + ones[n % 10];
}

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

} // namespace

std::string greekTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Είναι μεσάνυχτα.";
    if (minute == 0 && hour == 12) return "Η ώρα είναι δώδεκα το μεσημέρι.";
    const std::string now = hours[twelve(hour)];
    const std::string next = hours[twelve(hour + 1)];
    std::string s = "Η ώρα είναι ";
    if (minute == 0)
        s += now;
    else if (minute == 15)
        s += now + " και τέταρτο";
    else if (minute == 30)
        s += now + " και μισή";
    else if (minute == 45)
        s += next + " παρά τέταρτο";
    else if (minute < 40)
        s += now + " και " + number(minute);
    else
        s += next + " παρά " + number(60 - minute);
    return s + ".";
}

} // namespace ql::voice
