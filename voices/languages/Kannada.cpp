// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock with the part of the day: "ಈಗ ಸಮಯ ಮಧ್ಯಾಹ್ನ ಮೂರು ಗಂಟೆ ಹದಿನೈದು ನಿಮಿಷ." Tens join
// their unit in one word, a unit's first vowel taking the place of the ten's last: ಇಪ್ಪತ್ತೊಂದು,
// ಮೂವತ್ತೈದು, ಇಪ್ಪತ್ತಮೂರು.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{"",       "ಒಂದು",    "ಎರಡು",   "ಮೂರು",   "ನಾಲ್ಕು",
                                           "ಐದು",    "ಆರು",     "ಏಳು",    "ಎಂಟು",   "ಒಂಬತ್ತು",
                                           "ಹತ್ತು",   "ಹನ್ನೊಂದು", "ಹನ್ನೆರಡು", "ಹದಿಮೂರು", "ಹದಿನಾಲ್ಕು",
                                           "ಹದಿನೈದು", "ಹದಿನಾರು",  "ಹದಿನೇಳು", "ಹದಿನೆಂಟು", "ಹತ್ತೊಂಬತ್ತು"};
constexpr std::array<const char*, 6> tens{"", "", "ಇಪ್ಪತ್ತು", "ಮೂವತ್ತು", "ನಲವತ್ತು", "ಐವತ್ತು"};
// A ten without its last vowel, and each unit as it continues it.
constexpr std::array<const char*, 6> tenStems{"", "", "ಇಪ್ಪತ್ತ", "ಮೂವತ್ತ", "ನಲವತ್ತ", "ಐವತ್ತ"};
constexpr std::array<const char*, 10> joinedUnits{"",    "ೊಂದು", "ೆರಡು", "ಮೂರು", "ನಾಲ್ಕು",
                                                  "ೈದು", "ಾರು",  "ೇಳು", "ೆಂಟು",  "ೊಂಬತ್ತು"};

std::string number(int n) {
    if (n < 20) return ones[n];
    if (n % 10 == 0) return tens[n / 10];
    return std::string(tenStems[n / 10]) + joinedUnits[n % 10];
}

const char* partOfDay(int hour) {
    if (hour < 4 || hour >= 20) return "ರಾತ್ರಿ";
    if (hour < 6) return "ಬೆಳಗಿನ ಜಾವ";
    if (hour < 12) return "ಬೆಳಿಗ್ಗೆ";
    return hour < 16 ? "ಮಧ್ಯಾಹ್ನ" : "ಸಂಜೆ";
}

} // namespace

std::string kannadaTime(int hour, int minute) {
    std::string s = "ಈಗ ಸಮಯ ";
    s.append(partOfDay(hour)).append(" ").append(ones[hour % 12 == 0 ? 12 : hour % 12]);
    s += " ಗಂಟೆ";
    if (minute) s.append(" ").append(number(minute)).append(" ನಿಮಿಷ");
    return s + ".";
}

} // namespace ql::voice
