// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twenty-four-hour clock: "Tizenhárom óra öt perc van." Nouns stay singular after numbers, two is
// "két" before a noun, also at the end of a compound ("huszonkét"), and the sentence starts with a
// capital, "Ö" included.
namespace ql::voice::coverage {
namespace {

TEST(HungarianCoverage, Minutes) {
    expectSentences(hungarianTime, {
                                       {14, 0, "Tizennégy óra van."},
                                       {14, 1, "Tizennégy óra egy perc van."},
                                       {14, 2, "Tizennégy óra két perc van."},
                                       {14, 3, "Tizennégy óra három perc van."},
                                       {14, 4, "Tizennégy óra négy perc van."},
                                       {14, 5, "Tizennégy óra öt perc van."},
                                       {14, 6, "Tizennégy óra hat perc van."},
                                       {14, 7, "Tizennégy óra hét perc van."},
                                       {14, 8, "Tizennégy óra nyolc perc van."},
                                       {14, 9, "Tizennégy óra kilenc perc van."},
                                       {14, 10, "Tizennégy óra tíz perc van."},
                                       {14, 11, "Tizennégy óra tizenegy perc van."},
                                       {14, 12, "Tizennégy óra tizenkét perc van."},
                                       {14, 13, "Tizennégy óra tizenhárom perc van."},
                                       {14, 14, "Tizennégy óra tizennégy perc van."},
                                       {14, 15, "Tizennégy óra tizenöt perc van."},
                                       {14, 16, "Tizennégy óra tizenhat perc van."},
                                       {14, 17, "Tizennégy óra tizenhét perc van."},
                                       {14, 18, "Tizennégy óra tizennyolc perc van."},
                                       {14, 19, "Tizennégy óra tizenkilenc perc van."},
                                       {14, 20, "Tizennégy óra húsz perc van."},
                                       {14, 21, "Tizennégy óra huszonegy perc van."},
                                       {14, 22, "Tizennégy óra huszonkét perc van."},
                                       {14, 23, "Tizennégy óra huszonhárom perc van."},
                                       {14, 24, "Tizennégy óra huszonnégy perc van."},
                                       {14, 25, "Tizennégy óra huszonöt perc van."},
                                       {14, 26, "Tizennégy óra huszonhat perc van."},
                                       {14, 27, "Tizennégy óra huszonhét perc van."},
                                       {14, 28, "Tizennégy óra huszonnyolc perc van."},
                                       {14, 29, "Tizennégy óra huszonkilenc perc van."},
                                       {14, 30, "Tizennégy óra harminc perc van."},
                                       {14, 31, "Tizennégy óra harmincegy perc van."},
                                       {14, 32, "Tizennégy óra harminckét perc van."},
                                       {14, 33, "Tizennégy óra harminchárom perc van."},
                                       {14, 34, "Tizennégy óra harmincnégy perc van."},
                                       {14, 35, "Tizennégy óra harmincöt perc van."},
                                       {14, 36, "Tizennégy óra harminchat perc van."},
                                       {14, 37, "Tizennégy óra harminchét perc van."},
                                       {14, 38, "Tizennégy óra harmincnyolc perc van."},
                                       {14, 39, "Tizennégy óra harminckilenc perc van."},
                                       {14, 40, "Tizennégy óra negyven perc van."},
                                       {14, 41, "Tizennégy óra negyvenegy perc van."},
                                       {14, 42, "Tizennégy óra negyvenkét perc van."},
                                       {14, 43, "Tizennégy óra negyvenhárom perc van."},
                                       {14, 44, "Tizennégy óra negyvennégy perc van."},
                                       {14, 45, "Tizennégy óra negyvenöt perc van."},
                                       {14, 46, "Tizennégy óra negyvenhat perc van."},
                                       {14, 47, "Tizennégy óra negyvenhét perc van."},
                                       {14, 48, "Tizennégy óra negyvennyolc perc van."},
                                       {14, 49, "Tizennégy óra negyvenkilenc perc van."},
                                       {14, 50, "Tizennégy óra ötven perc van."},
                                       {14, 51, "Tizennégy óra ötvenegy perc van."},
                                       {14, 52, "Tizennégy óra ötvenkét perc van."},
                                       {14, 53, "Tizennégy óra ötvenhárom perc van."},
                                       {14, 54, "Tizennégy óra ötvennégy perc van."},
                                       {14, 55, "Tizennégy óra ötvenöt perc van."},
                                       {14, 56, "Tizennégy óra ötvenhat perc van."},
                                       {14, 57, "Tizennégy óra ötvenhét perc van."},
                                       {14, 58, "Tizennégy óra ötvennyolc perc van."},
                                       {14, 59, "Tizennégy óra ötvenkilenc perc van."},
                                   });
}

TEST(HungarianCoverage, HoursOClock) {
    expectSentences(hungarianTime, {
                                       {0, 0, "Éjfél van."},
                                       {1, 0, "Egy óra van."},
                                       {2, 0, "Két óra van."},
                                       {3, 0, "Három óra van."},
                                       {4, 0, "Négy óra van."},
                                       {5, 0, "Öt óra van."},
                                       {6, 0, "Hat óra van."},
                                       {7, 0, "Hét óra van."},
                                       {8, 0, "Nyolc óra van."},
                                       {9, 0, "Kilenc óra van."},
                                       {10, 0, "Tíz óra van."},
                                       {11, 0, "Tizenegy óra van."},
                                       {12, 0, "Dél van."},
                                       {13, 0, "Tizenhárom óra van."},
                                       {14, 0, "Tizennégy óra van."},
                                       {15, 0, "Tizenöt óra van."},
                                       {16, 0, "Tizenhat óra van."},
                                       {17, 0, "Tizenhét óra van."},
                                       {18, 0, "Tizennyolc óra van."},
                                       {19, 0, "Tizenkilenc óra van."},
                                       {20, 0, "Húsz óra van."},
                                       {21, 0, "Huszonegy óra van."},
                                       {22, 0, "Huszonkét óra van."},
                                       {23, 0, "Huszonhárom óra van."},
                                   });
}

// With minutes, midnight and noon are plain hours again: "Nulla óra öt perc van."
TEST(HungarianCoverage, HoursWithMinutes) {
    expectSentences(
        hungarianTime,
        {
            {0, 5, "Nulla óra öt perc van."},       {1, 5, "Egy óra öt perc van."},
            {2, 5, "Két óra öt perc van."},         {3, 5, "Három óra öt perc van."},
            {4, 5, "Négy óra öt perc van."},        {5, 5, "Öt óra öt perc van."},
            {6, 5, "Hat óra öt perc van."},         {7, 5, "Hét óra öt perc van."},
            {8, 5, "Nyolc óra öt perc van."},       {9, 5, "Kilenc óra öt perc van."},
            {10, 5, "Tíz óra öt perc van."},        {11, 5, "Tizenegy óra öt perc van."},
            {12, 5, "Tizenkét óra öt perc van."},   {13, 5, "Tizenhárom óra öt perc van."},
            {14, 5, "Tizennégy óra öt perc van."},  {15, 5, "Tizenöt óra öt perc van."},
            {16, 5, "Tizenhat óra öt perc van."},   {17, 5, "Tizenhét óra öt perc van."},
            {18, 5, "Tizennyolc óra öt perc van."}, {19, 5, "Tizenkilenc óra öt perc van."},
            {20, 5, "Húsz óra öt perc van."},       {21, 5, "Huszonegy óra öt perc van."},
            {22, 5, "Huszonkét óra öt perc van."},  {23, 5, "Huszonhárom óra öt perc van."},
        });
}

} // namespace
} // namespace ql::voice::coverage
