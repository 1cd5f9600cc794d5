// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// "Jest godzina osiemnasta pięć.": the hour a feminine ordinal, the minutes a cardinal agreeing
// with the unsaid "minuty" (dwie), "jeden" unchanged.
namespace ql::voice {
namespace {

using coverage::expectSentences;

TEST(PolishCoverage, Minutes) {
    expectSentences(polishTime, {
                                    {18, 0, "Jest godzina osiemnasta."},
                                    {18, 1, "Jest godzina osiemnasta jeden."},
                                    {18, 2, "Jest godzina osiemnasta dwie."},
                                    {18, 3, "Jest godzina osiemnasta trzy."},
                                    {18, 4, "Jest godzina osiemnasta cztery."},
                                    {18, 5, "Jest godzina osiemnasta pięć."},
                                    {18, 6, "Jest godzina osiemnasta sześć."},
                                    {18, 7, "Jest godzina osiemnasta siedem."},
                                    {18, 8, "Jest godzina osiemnasta osiem."},
                                    {18, 9, "Jest godzina osiemnasta dziewięć."},
                                    {18, 10, "Jest godzina osiemnasta dziesięć."},
                                    {18, 11, "Jest godzina osiemnasta jedenaście."},
                                    {18, 12, "Jest godzina osiemnasta dwanaście."},
                                    {18, 13, "Jest godzina osiemnasta trzynaście."},
                                    {18, 14, "Jest godzina osiemnasta czternaście."},
                                    {18, 15, "Jest godzina osiemnasta piętnaście."},
                                    {18, 16, "Jest godzina osiemnasta szesnaście."},
                                    {18, 17, "Jest godzina osiemnasta siedemnaście."},
                                    {18, 18, "Jest godzina osiemnasta osiemnaście."},
                                    {18, 19, "Jest godzina osiemnasta dziewiętnaście."},
                                    {18, 20, "Jest godzina osiemnasta dwadzieścia."},
                                    {18, 21, "Jest godzina osiemnasta dwadzieścia jeden."},
                                    {18, 22, "Jest godzina osiemnasta dwadzieścia dwie."},
                                    {18, 23, "Jest godzina osiemnasta dwadzieścia trzy."},
                                    {18, 24, "Jest godzina osiemnasta dwadzieścia cztery."},
                                    {18, 25, "Jest godzina osiemnasta dwadzieścia pięć."},
                                    {18, 26, "Jest godzina osiemnasta dwadzieścia sześć."},
                                    {18, 27, "Jest godzina osiemnasta dwadzieścia siedem."},
                                    {18, 28, "Jest godzina osiemnasta dwadzieścia osiem."},
                                    {18, 29, "Jest godzina osiemnasta dwadzieścia dziewięć."},
                                    {18, 30, "Jest godzina osiemnasta trzydzieści."},
                                    {18, 31, "Jest godzina osiemnasta trzydzieści jeden."},
                                    {18, 32, "Jest godzina osiemnasta trzydzieści dwie."},
                                    {18, 33, "Jest godzina osiemnasta trzydzieści trzy."},
                                    {18, 34, "Jest godzina osiemnasta trzydzieści cztery."},
                                    {18, 35, "Jest godzina osiemnasta trzydzieści pięć."},
                                    {18, 36, "Jest godzina osiemnasta trzydzieści sześć."},
                                    {18, 37, "Jest godzina osiemnasta trzydzieści siedem."},
                                    {18, 38, "Jest godzina osiemnasta trzydzieści osiem."},
                                    {18, 39, "Jest godzina osiemnasta trzydzieści dziewięć."},
                                    {18, 40, "Jest godzina osiemnasta czterdzieści."},
                                    {18, 41, "Jest godzina osiemnasta czterdzieści jeden."},
                                    {18, 42, "Jest godzina osiemnasta czterdzieści dwie."},
                                    {18, 43, "Jest godzina osiemnasta czterdzieści trzy."},
                                    {18, 44, "Jest godzina osiemnasta czterdzieści cztery."},
                                    {18, 45, "Jest godzina osiemnasta czterdzieści pięć."},
                                    {18, 46, "Jest godzina osiemnasta czterdzieści sześć."},
                                    {18, 47, "Jest godzina osiemnasta czterdzieści siedem."},
                                    {18, 48, "Jest godzina osiemnasta czterdzieści osiem."},
                                    {18, 49, "Jest godzina osiemnasta czterdzieści dziewięć."},
                                    {18, 50, "Jest godzina osiemnasta pięćdziesiąt."},
                                    {18, 51, "Jest godzina osiemnasta pięćdziesiąt jeden."},
                                    {18, 52, "Jest godzina osiemnasta pięćdziesiąt dwie."},
                                    {18, 53, "Jest godzina osiemnasta pięćdziesiąt trzy."},
                                    {18, 54, "Jest godzina osiemnasta pięćdziesiąt cztery."},
                                    {18, 55, "Jest godzina osiemnasta pięćdziesiąt pięć."},
                                    {18, 56, "Jest godzina osiemnasta pięćdziesiąt sześć."},
                                    {18, 57, "Jest godzina osiemnasta pięćdziesiąt siedem."},
                                    {18, 58, "Jest godzina osiemnasta pięćdziesiąt osiem."},
                                    {18, 59, "Jest godzina osiemnasta pięćdziesiąt dziewięć."},
                                });
}

TEST(PolishCoverage, HoursOClock) {
    expectSentences(polishTime, {
                                    {0, 0, "Jest północ."},
                                    {1, 0, "Jest godzina pierwsza."},
                                    {2, 0, "Jest godzina druga."},
                                    {3, 0, "Jest godzina trzecia."},
                                    {4, 0, "Jest godzina czwarta."},
                                    {5, 0, "Jest godzina piąta."},
                                    {6, 0, "Jest godzina szósta."},
                                    {7, 0, "Jest godzina siódma."},
                                    {8, 0, "Jest godzina ósma."},
                                    {9, 0, "Jest godzina dziewiąta."},
                                    {10, 0, "Jest godzina dziesiąta."},
                                    {11, 0, "Jest godzina jedenasta."},
                                    {12, 0, "Jest południe."},
                                    {13, 0, "Jest godzina trzynasta."},
                                    {14, 0, "Jest godzina czternasta."},
                                    {15, 0, "Jest godzina piętnasta."},
                                    {16, 0, "Jest godzina szesnasta."},
                                    {17, 0, "Jest godzina siedemnasta."},
                                    {18, 0, "Jest godzina osiemnasta."},
                                    {19, 0, "Jest godzina dziewiętnasta."},
                                    {20, 0, "Jest godzina dwudziesta."},
                                    {21, 0, "Jest godzina dwudziesta pierwsza."},
                                    {22, 0, "Jest godzina dwudziesta druga."},
                                    {23, 0, "Jest godzina dwudziesta trzecia."},
                                });
}

// Midnight and noon are named only on the hour; after it they are counted.
TEST(PolishCoverage, MidnightAndNoonWithMinutes) {
    expectSentences(polishTime, {
                                    {0, 1, "Jest godzina zero jeden."},
                                    {0, 45, "Jest godzina zero czterdzieści pięć."},
                                    {12, 1, "Jest godzina dwunasta jeden."},
                                    {12, 30, "Jest godzina dwunasta trzydzieści."},
                                });
}

} // namespace
} // namespace ql::voice
