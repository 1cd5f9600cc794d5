// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twenty-four-hour clock; noon, midnight and one o'clock are singular ("È").
namespace ql::voice {
namespace {

using coverage::expectSentences;

TEST(ItalianCoverage, Minutes) {
    expectSentences(italianTime, {
                                     {13, 0, "Sono le tredici."},
                                     {13, 1, "Sono le tredici e un minuto."},
                                     {13, 2, "Sono le tredici e due."},
                                     {13, 3, "Sono le tredici e tre."},
                                     {13, 4, "Sono le tredici e quattro."},
                                     {13, 5, "Sono le tredici e cinque."},
                                     {13, 6, "Sono le tredici e sei."},
                                     {13, 7, "Sono le tredici e sette."},
                                     {13, 8, "Sono le tredici e otto."},
                                     {13, 9, "Sono le tredici e nove."},
                                     {13, 10, "Sono le tredici e dieci."},
                                     {13, 11, "Sono le tredici e undici."},
                                     {13, 12, "Sono le tredici e dodici."},
                                     {13, 13, "Sono le tredici e tredici."},
                                     {13, 14, "Sono le tredici e quattordici."},
                                     {13, 15, "Sono le tredici e quindici."},
                                     {13, 16, "Sono le tredici e sedici."},
                                     {13, 17, "Sono le tredici e diciassette."},
                                     {13, 18, "Sono le tredici e diciotto."},
                                     {13, 19, "Sono le tredici e diciannove."},
                                     {13, 20, "Sono le tredici e venti."},
                                     {13, 21, "Sono le tredici e ventuno."},
                                     {13, 22, "Sono le tredici e ventidue."},
                                     {13, 23, "Sono le tredici e ventitré."},
                                     {13, 24, "Sono le tredici e ventiquattro."},
                                     {13, 25, "Sono le tredici e venticinque."},
                                     {13, 26, "Sono le tredici e ventisei."},
                                     {13, 27, "Sono le tredici e ventisette."},
                                     {13, 28, "Sono le tredici e ventotto."},
                                     {13, 29, "Sono le tredici e ventinove."},
                                     {13, 30, "Sono le tredici e trenta."},
                                     {13, 31, "Sono le tredici e trentuno."},
                                     {13, 32, "Sono le tredici e trentadue."},
                                     {13, 33, "Sono le tredici e trentatré."},
                                     {13, 34, "Sono le tredici e trentaquattro."},
                                     {13, 35, "Sono le tredici e trentacinque."},
                                     {13, 36, "Sono le tredici e trentasei."},
                                     {13, 37, "Sono le tredici e trentasette."},
                                     {13, 38, "Sono le tredici e trentotto."},
                                     {13, 39, "Sono le tredici e trentanove."},
                                     {13, 40, "Sono le tredici e quaranta."},
                                     {13, 41, "Sono le tredici e quarantuno."},
                                     {13, 42, "Sono le tredici e quarantadue."},
                                     {13, 43, "Sono le tredici e quarantatré."},
                                     {13, 44, "Sono le tredici e quarantaquattro."},
                                     {13, 45, "Sono le tredici e quarantacinque."},
                                     {13, 46, "Sono le tredici e quarantasei."},
                                     {13, 47, "Sono le tredici e quarantasette."},
                                     {13, 48, "Sono le tredici e quarantotto."},
                                     {13, 49, "Sono le tredici e quarantanove."},
                                     {13, 50, "Sono le tredici e cinquanta."},
                                     {13, 51, "Sono le tredici e cinquantuno."},
                                     {13, 52, "Sono le tredici e cinquantadue."},
                                     {13, 53, "Sono le tredici e cinquantatré."},
                                     {13, 54, "Sono le tredici e cinquantaquattro."},
                                     {13, 55, "Sono le tredici e cinquantacinque."},
                                     {13, 56, "Sono le tredici e cinquantasei."},
                                     {13, 57, "Sono le tredici e cinquantasette."},
                                     {13, 58, "Sono le tredici e cinquantotto."},
                                     {13, 59, "Sono le tredici e cinquantanove."},
                                 });
}

TEST(ItalianCoverage, HoursOClock) {
    expectSentences(italianTime,
                    {
                        {0, 0, "È mezzanotte."},         {1, 0, "È l'una."},
                        {2, 0, "Sono le due."},          {3, 0, "Sono le tre."},
                        {4, 0, "Sono le quattro."},      {5, 0, "Sono le cinque."},
                        {6, 0, "Sono le sei."},          {7, 0, "Sono le sette."},
                        {8, 0, "Sono le otto."},         {9, 0, "Sono le nove."},
                        {10, 0, "Sono le dieci."},       {11, 0, "Sono le undici."},
                        {12, 0, "È mezzogiorno."},       {13, 0, "Sono le tredici."},
                        {14, 0, "Sono le quattordici."}, {15, 0, "Sono le quindici."},
                        {16, 0, "Sono le sedici."},      {17, 0, "Sono le diciassette."},
                        {18, 0, "Sono le diciotto."},    {19, 0, "Sono le diciannove."},
                        {20, 0, "Sono le venti."},       {21, 0, "Sono le ventuno."},
                        {22, 0, "Sono le ventidue."},    {23, 0, "Sono le ventitré."},
                    });
}

// The singular hours keep their form when minutes follow.
TEST(ItalianCoverage, SingularHoursWithMinutes) {
    expectSentences(italianTime, {
                                     {0, 1, "È mezzanotte e un minuto."},
                                     {0, 59, "È mezzanotte e cinquantanove."},
                                     {1, 1, "È l'una e un minuto."},
                                     {1, 30, "È l'una e trenta."},
                                     {12, 1, "È mezzogiorno e un minuto."},
                                     {12, 45, "È mezzogiorno e quarantacinque."},
                                     {23, 59, "Sono le ventitré e cinquantanove."},
                                 });
}

} // namespace
} // namespace ql::voice
