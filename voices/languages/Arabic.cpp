// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>
#include <string>

// Standard Arabic as read on the radio, twelve-hour clock with the hour as a feminine ordinal and
// the part of the day last: "السَاعَة الثَالِثَة وَعَشْر دَقَائِق مَسَاءً". The quarter, third and
// half have words of their own (وَالرُبْع، وَالثُلْث، وَالنِصْف); from twenty to it counts to the next
// hour with إِلَّا ("الرَابِعَة إِلَّا رُبْعًا"). Vowel marks are written, since espeak-ng needs them;
// words are read in pause form, without case endings. After the article, a sun letter carries
// no shadda: espeak-ng doubles it itself.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 13> hours{
    "",        "الْوَاحِدَة", "الثَانِيَة", "الثَالِثَة", "الرَابِعَة",      "الْخَامِسَة",     "السَادِسَة",
    "السَابِعَة", "الثَامِنَة", "التَاسِعَة", "الْعَاشِرَة", "الْحَادِيَة عَشْرَة", "الثَانِيَة عَشْرَة"};
// Three to ten take the form without ة before the feminine دَقَائِق.
constexpr std::array<const char*, 11> units{"",   "",    "",      "ثَلَاث", "أَرْبَع", "خَمْس",
                                            "سِتّ", "سَبْع", "ثَمَانِي", "تِسْع",  "عَشْر"};
constexpr std::array<const char*, 10> teens{"",           "إِحْدَى عَشْرَة", "اثْنَتَا عَشْرَة", "ثَلَاثَ عَشْرَة",
                                            "أَرْبَعَ عَشْرَة",  "خَمْسَ عَشْرَة",  "سِتَّ عَشْرَة",    "سَبْعَ عَشْرَة",
                                            "ثَمَانِيَ عَشْرَة", "تِسْعَ عَشْرَة"};
constexpr std::array<const char*, 10> compoundUnits{"",    "وَاحِدَة", "اثْنَتَان", "ثَلَاث",  "أَرْبَع",
                                                    "خَمْس", "سِتّ",    "سَبْع",    "ثَمَانِي", "تِسْع"};

// n minutes, 1 to 39; after إِلَّا (accusative) two is دَقِيقَتَيْن and twelve اثْنَتَيْ.
std::string minutes(int n, bool accusative) {
    if (n == 1) return "دَقِيقَة";
    if (n == 2) return accusative ? "دَقِيقَتَيْن" : "دَقِيقَتَان";
    if (n <= 10) return std::string(units[n]) + " دَقَائِق";
    if (n == 12 && accusative) return "اثْنَتَيْ عَشْرَة دَقِيقَة";
    if (n < 20) return std::string(teens[n - 10]) + " دَقِيقَة";
    std::string s = n % 10 ? std::string(compoundUnits[n % 10]) + " وَ" : "";
    return s + (n < 30 ? "عِشْرُون" : "ثَلَاثُون") + " دَقِيقَة";
}

const char* partOfDay(int hour) {
    if (hour < 5) return "لَيْلًا";
    if (hour < 12) return "صَبَاحًا";
    if (hour < 15) return "ظُهْرًا";
    return hour < 18 ? "عَصْرًا" : "مَسَاءً";
}

} // namespace

std::string arabicTime(int hour, int minute) {
    const int named = minute < 40 ? hour : (hour + 1) % 24;
    std::string s = "السَاعَة ";
    s += hours[named % 12 == 0 ? 12 : named % 12];
    if (minute == 15)
        s += " وَالرُبْع";
    else if (minute == 20)
        s += " وَالثُلْث";
    else if (minute == 30)
        s += " وَالنِصْف";
    else if (minute == 40)
        s += " إِلَّا ثُلْثًا";
    else if (minute == 45)
        s += " إِلَّا رُبْعًا";
    else if (minute && minute < 40)
        s.append(" وَ").append(minutes(minute, false));
    else if (minute)
        s.append(" إِلَّا ").append(minutes(60 - minute, true));
    return s + " " + partOfDay(named) + ".";
}

} // namespace ql::voice
