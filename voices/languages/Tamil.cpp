// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock with the part of the day: "இப்போது நேரம் மாலை மூன்று மணி பதினைந்து நிமிடம்."
// Half past is the hour with அரை joined (மூன்றரை மணி). Before a noun, one is ஒரு (ஒரு மணி, ஒரு
// நிமிடம்); tens join their unit in the form இருபத்து ஐந்து.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "",         "ஒரு",      "இரண்டு",   "மூன்று",   "நான்கு",    "ஐந்து",     "ஆறு",
    "ஏழு",      "எட்டு",     "ஒன்பது",   "பத்து",    "பதினொரு",  "பன்னிரண்டு", "பதிமூன்று",
    "பதினான்கு", "பதினைந்து", "பதினாறு", "பதினேழு", "பதினெட்டு", "பத்தொன்பது"};
constexpr std::array<const char*, 6> tens{"", "", "இருபது", "முப்பது", "நாற்பது", "ஐம்பது"};
constexpr std::array<const char*, 6> tensJoined{"", "", "இருபத்து", "முப்பத்து", "நாற்பத்து", "ஐம்பத்து"};
constexpr std::array<const char*, 13> halves{"",      "ஒன்றரை",     "இரண்டரை",   "மூன்றரை", "நான்கரை",
                                             "ஐந்தரை", "ஆறரை",      "ஏழரை",     "எட்டரை",  "ஒன்பதரை",
                                             "பத்தரை", "பதினொன்றரை", "பன்னிரண்டரை"};

std::string number(int n) {
    if (n < 20) return ones[n];
    if (n % 10 == 0) return tens[n / 10];
    return std::string(tensJoined[n / 10]) + " " + ones[n % 10];
}

const char* partOfDay(int hour) {
    if (hour < 4 || hour >= 19) return "இரவு";
    if (hour < 6) return "அதிகாலை";
    if (hour < 12) return "காலை";
    return hour < 15 ? "மதியம்" : "மாலை";
}

} // namespace

std::string tamilTime(int hour, int minute) {
    const int h = hour % 12 == 0 ? 12 : hour % 12;
    std::string s = "இப்போது நேரம் ";
    s.append(partOfDay(hour)).append(" ");
    if (minute == 30) return s + halves[h] + " மணி.";
    s.append(ones[h]).append(" மணி");
    if (minute) s.append(" ").append(number(minute)).append(" நிமிடம்");
    return s + ".";
}

} // namespace ql::voice
