// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twenty-four-hour clock: one o'clock is "ein Uhr" but the minute one is "eins", compounds put
// the unit first ("einundzwanzig"), midnight and noon have their own words.
namespace ql::voice::coverage {
namespace {

TEST(GermanCoverage, Minutes) {
    expectSentences(germanTime, {
                                    {14, 0, "Es ist vierzehn Uhr."},
                                    {14, 1, "Es ist vierzehn Uhr eins."},
                                    {14, 2, "Es ist vierzehn Uhr zwei."},
                                    {14, 3, "Es ist vierzehn Uhr drei."},
                                    {14, 4, "Es ist vierzehn Uhr vier."},
                                    {14, 5, "Es ist vierzehn Uhr fünf."},
                                    {14, 6, "Es ist vierzehn Uhr sechs."},
                                    {14, 7, "Es ist vierzehn Uhr sieben."},
                                    {14, 8, "Es ist vierzehn Uhr acht."},
                                    {14, 9, "Es ist vierzehn Uhr neun."},
                                    {14, 10, "Es ist vierzehn Uhr zehn."},
                                    {14, 11, "Es ist vierzehn Uhr elf."},
                                    {14, 12, "Es ist vierzehn Uhr zwölf."},
                                    {14, 13, "Es ist vierzehn Uhr dreizehn."},
                                    {14, 14, "Es ist vierzehn Uhr vierzehn."},
                                    {14, 15, "Es ist vierzehn Uhr fünfzehn."},
                                    {14, 16, "Es ist vierzehn Uhr sechzehn."},
                                    {14, 17, "Es ist vierzehn Uhr siebzehn."},
                                    {14, 18, "Es ist vierzehn Uhr achtzehn."},
                                    {14, 19, "Es ist vierzehn Uhr neunzehn."},
                                    {14, 20, "Es ist vierzehn Uhr zwanzig."},
                                    {14, 21, "Es ist vierzehn Uhr einundzwanzig."},
                                    {14, 22, "Es ist vierzehn Uhr zweiundzwanzig."},
                                    {14, 23, "Es ist vierzehn Uhr dreiundzwanzig."},
                                    {14, 24, "Es ist vierzehn Uhr vierundzwanzig."},
                                    {14, 25, "Es ist vierzehn Uhr fünfundzwanzig."},
                                    {14, 26, "Es ist vierzehn Uhr sechsundzwanzig."},
                                    {14, 27, "Es ist vierzehn Uhr siebenundzwanzig."},
                                    {14, 28, "Es ist vierzehn Uhr achtundzwanzig."},
                                    {14, 29, "Es ist vierzehn Uhr neunundzwanzig."},
                                    {14, 30, "Es ist vierzehn Uhr dreißig."},
                                    {14, 31, "Es ist vierzehn Uhr einunddreißig."},
                                    {14, 32, "Es ist vierzehn Uhr zweiunddreißig."},
                                    {14, 33, "Es ist vierzehn Uhr dreiunddreißig."},
                                    {14, 34, "Es ist vierzehn Uhr vierunddreißig."},
                                    {14, 35, "Es ist vierzehn Uhr fünfunddreißig."},
                                    {14, 36, "Es ist vierzehn Uhr sechsunddreißig."},
                                    {14, 37, "Es ist vierzehn Uhr siebenunddreißig."},
                                    {14, 38, "Es ist vierzehn Uhr achtunddreißig."},
                                    {14, 39, "Es ist vierzehn Uhr neununddreißig."},
                                    {14, 40, "Es ist vierzehn Uhr vierzig."},
                                    {14, 41, "Es ist vierzehn Uhr einundvierzig."},
                                    {14, 42, "Es ist vierzehn Uhr zweiundvierzig."},
                                    {14, 43, "Es ist vierzehn Uhr dreiundvierzig."},
                                    {14, 44, "Es ist vierzehn Uhr vierundvierzig."},
                                    {14, 45, "Es ist vierzehn Uhr fünfundvierzig."},
                                    {14, 46, "Es ist vierzehn Uhr sechsundvierzig."},
                                    {14, 47, "Es ist vierzehn Uhr siebenundvierzig."},
                                    {14, 48, "Es ist vierzehn Uhr achtundvierzig."},
                                    {14, 49, "Es ist vierzehn Uhr neunundvierzig."},
                                    {14, 50, "Es ist vierzehn Uhr fünfzig."},
                                    {14, 51, "Es ist vierzehn Uhr einundfünfzig."},
                                    {14, 52, "Es ist vierzehn Uhr zweiundfünfzig."},
                                    {14, 53, "Es ist vierzehn Uhr dreiundfünfzig."},
                                    {14, 54, "Es ist vierzehn Uhr vierundfünfzig."},
                                    {14, 55, "Es ist vierzehn Uhr fünfundfünfzig."},
                                    {14, 56, "Es ist vierzehn Uhr sechsundfünfzig."},
                                    {14, 57, "Es ist vierzehn Uhr siebenundfünfzig."},
                                    {14, 58, "Es ist vierzehn Uhr achtundfünfzig."},
                                    {14, 59, "Es ist vierzehn Uhr neunundfünfzig."},
                                });
}

TEST(GermanCoverage, HoursOClock) {
    expectSentences(germanTime, {
                                    {0, 0, "Es ist Mitternacht."},
                                    {1, 0, "Es ist ein Uhr."},
                                    {2, 0, "Es ist zwei Uhr."},
                                    {3, 0, "Es ist drei Uhr."},
                                    {4, 0, "Es ist vier Uhr."},
                                    {5, 0, "Es ist fünf Uhr."},
                                    {6, 0, "Es ist sechs Uhr."},
                                    {7, 0, "Es ist sieben Uhr."},
                                    {8, 0, "Es ist acht Uhr."},
                                    {9, 0, "Es ist neun Uhr."},
                                    {10, 0, "Es ist zehn Uhr."},
                                    {11, 0, "Es ist elf Uhr."},
                                    {12, 0, "Es ist zwölf Uhr mittags."},
                                    {13, 0, "Es ist dreizehn Uhr."},
                                    {14, 0, "Es ist vierzehn Uhr."},
                                    {15, 0, "Es ist fünfzehn Uhr."},
                                    {16, 0, "Es ist sechzehn Uhr."},
                                    {17, 0, "Es ist siebzehn Uhr."},
                                    {18, 0, "Es ist achtzehn Uhr."},
                                    {19, 0, "Es ist neunzehn Uhr."},
                                    {20, 0, "Es ist zwanzig Uhr."},
                                    {21, 0, "Es ist einundzwanzig Uhr."},
                                    {22, 0, "Es ist zweiundzwanzig Uhr."},
                                    {23, 0, "Es ist dreiundzwanzig Uhr."},
                                });
}

// With minutes, midnight and noon are plain hours again: "null Uhr eins".
TEST(GermanCoverage, HoursWithMinutes) {
    expectSentences(germanTime, {
                                    {0, 1, "Es ist null Uhr eins."},
                                    {1, 1, "Es ist ein Uhr eins."},
                                    {2, 1, "Es ist zwei Uhr eins."},
                                    {3, 1, "Es ist drei Uhr eins."},
                                    {4, 1, "Es ist vier Uhr eins."},
                                    {5, 1, "Es ist fünf Uhr eins."},
                                    {6, 1, "Es ist sechs Uhr eins."},
                                    {7, 1, "Es ist sieben Uhr eins."},
                                    {8, 1, "Es ist acht Uhr eins."},
                                    {9, 1, "Es ist neun Uhr eins."},
                                    {10, 1, "Es ist zehn Uhr eins."},
                                    {11, 1, "Es ist elf Uhr eins."},
                                    {12, 1, "Es ist zwölf Uhr eins."},
                                    {13, 1, "Es ist dreizehn Uhr eins."},
                                    {14, 1, "Es ist vierzehn Uhr eins."},
                                    {15, 1, "Es ist fünfzehn Uhr eins."},
                                    {16, 1, "Es ist sechzehn Uhr eins."},
                                    {17, 1, "Es ist siebzehn Uhr eins."},
                                    {18, 1, "Es ist achtzehn Uhr eins."},
                                    {19, 1, "Es ist neunzehn Uhr eins."},
                                    {20, 1, "Es ist zwanzig Uhr eins."},
                                    {21, 1, "Es ist einundzwanzig Uhr eins."},
                                    {22, 1, "Es ist zweiundzwanzig Uhr eins."},
                                    {23, 1, "Es ist dreiundzwanzig Uhr eins."},
                                });
}

} // namespace
} // namespace ql::voice::coverage
