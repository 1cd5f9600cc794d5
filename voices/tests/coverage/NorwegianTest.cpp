// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Bokmål, counted around the hour and the half hour: minutes 1-20 past the hour, 21-29 to the
// half, 31-39 past the half, 40-59 to the next hour; round amounts without "minutter".
namespace ql::voice {
namespace {

using coverage::expectSentences;

TEST(NorwegianCoverage, Minutes) {
    expectSentences(norwegianTime, {
                                       {2, 0, "Klokka er to."},
                                       {2, 1, "Klokka er ett minutt over to."},
                                       {2, 2, "Klokka er to minutter over to."},
                                       {2, 3, "Klokka er tre minutter over to."},
                                       {2, 4, "Klokka er fire minutter over to."},
                                       {2, 5, "Klokka er fem over to."},
                                       {2, 6, "Klokka er seks minutter over to."},
                                       {2, 7, "Klokka er sju minutter over to."},
                                       {2, 8, "Klokka er åtte minutter over to."},
                                       {2, 9, "Klokka er ni minutter over to."},
                                       {2, 10, "Klokka er ti over to."},
                                       {2, 11, "Klokka er elleve minutter over to."},
                                       {2, 12, "Klokka er tolv minutter over to."},
                                       {2, 13, "Klokka er tretten minutter over to."},
                                       {2, 14, "Klokka er fjorten minutter over to."},
                                       {2, 15, "Klokka er kvart over to."},
                                       {2, 16, "Klokka er seksten minutter over to."},
                                       {2, 17, "Klokka er sytten minutter over to."},
                                       {2, 18, "Klokka er atten minutter over to."},
                                       {2, 19, "Klokka er nitten minutter over to."},
                                       {2, 20, "Klokka er tjue over to."},
                                       {2, 21, "Klokka er ni minutter på halv tre."},
                                       {2, 22, "Klokka er åtte minutter på halv tre."},
                                       {2, 23, "Klokka er sju minutter på halv tre."},
                                       {2, 24, "Klokka er seks minutter på halv tre."},
                                       {2, 25, "Klokka er fem på halv tre."},
                                       {2, 26, "Klokka er fire minutter på halv tre."},
                                       {2, 27, "Klokka er tre minutter på halv tre."},
                                       {2, 28, "Klokka er to minutter på halv tre."},
                                       {2, 29, "Klokka er ett minutt på halv tre."},
                                       {2, 30, "Klokka er halv tre."},
                                       {2, 31, "Klokka er ett minutt over halv tre."},
                                       {2, 32, "Klokka er to minutter over halv tre."},
                                       {2, 33, "Klokka er tre minutter over halv tre."},
                                       {2, 34, "Klokka er fire minutter over halv tre."},
                                       {2, 35, "Klokka er fem over halv tre."},
                                       {2, 36, "Klokka er seks minutter over halv tre."},
                                       {2, 37, "Klokka er sju minutter over halv tre."},
                                       {2, 38, "Klokka er åtte minutter over halv tre."},
                                       {2, 39, "Klokka er ni minutter over halv tre."},
                                       {2, 40, "Klokka er tjue på tre."},
                                       {2, 41, "Klokka er nitten minutter på tre."},
                                       {2, 42, "Klokka er atten minutter på tre."},
                                       {2, 43, "Klokka er sytten minutter på tre."},
                                       {2, 44, "Klokka er seksten minutter på tre."},
                                       {2, 45, "Klokka er kvart på tre."},
                                       {2, 46, "Klokka er fjorten minutter på tre."},
                                       {2, 47, "Klokka er tretten minutter på tre."},
                                       {2, 48, "Klokka er tolv minutter på tre."},
                                       {2, 49, "Klokka er elleve minutter på tre."},
                                       {2, 50, "Klokka er ti på tre."},
                                       {2, 51, "Klokka er ni minutter på tre."},
                                       {2, 52, "Klokka er åtte minutter på tre."},
                                       {2, 53, "Klokka er sju minutter på tre."},
                                       {2, 54, "Klokka er seks minutter på tre."},
                                       {2, 55, "Klokka er fem på tre."},
                                       {2, 56, "Klokka er fire minutter på tre."},
                                       {2, 57, "Klokka er tre minutter på tre."},
                                       {2, 58, "Klokka er to minutter på tre."},
                                       {2, 59, "Klokka er ett minutt på tre."},
                                   });
}

TEST(NorwegianCoverage, HoursOClock) {
    expectSentences(
        norwegianTime,
        {
            {0, 0, "Det er midnatt."},  {1, 0, "Klokka er ett."},   {2, 0, "Klokka er to."},
            {3, 0, "Klokka er tre."},   {4, 0, "Klokka er fire."},  {5, 0, "Klokka er fem."},
            {6, 0, "Klokka er seks."},  {7, 0, "Klokka er sju."},   {8, 0, "Klokka er åtte."},
            {9, 0, "Klokka er ni."},    {10, 0, "Klokka er ti."},   {11, 0, "Klokka er elleve."},
            {12, 0, "Klokka er tolv."}, {13, 0, "Klokka er ett."},  {14, 0, "Klokka er to."},
            {15, 0, "Klokka er tre."},  {16, 0, "Klokka er fire."}, {17, 0, "Klokka er fem."},
            {18, 0, "Klokka er seks."}, {19, 0, "Klokka er sju."},  {20, 0, "Klokka er åtte."},
            {21, 0, "Klokka er ni."},   {22, 0, "Klokka er ti."},   {23, 0, "Klokka er elleve."},
        });
}

TEST(NorwegianCoverage, HoursPast) {
    expectSentences(
        norwegianTime,
        {
            {0, 15, "Klokka er kvart over tolv."},  {1, 15, "Klokka er kvart over ett."},
            {2, 15, "Klokka er kvart over to."},    {3, 15, "Klokka er kvart over tre."},
            {4, 15, "Klokka er kvart over fire."},  {5, 15, "Klokka er kvart over fem."},
            {6, 15, "Klokka er kvart over seks."},  {7, 15, "Klokka er kvart over sju."},
            {8, 15, "Klokka er kvart over åtte."},  {9, 15, "Klokka er kvart over ni."},
            {10, 15, "Klokka er kvart over ti."},   {11, 15, "Klokka er kvart over elleve."},
            {12, 15, "Klokka er kvart over tolv."}, {13, 15, "Klokka er kvart over ett."},
            {14, 15, "Klokka er kvart over to."},   {15, 15, "Klokka er kvart over tre."},
            {16, 15, "Klokka er kvart over fire."}, {17, 15, "Klokka er kvart over fem."},
            {18, 15, "Klokka er kvart over seks."}, {19, 15, "Klokka er kvart over sju."},
            {20, 15, "Klokka er kvart over åtte."}, {21, 15, "Klokka er kvart over ni."},
            {22, 15, "Klokka er kvart over ti."},   {23, 15, "Klokka er kvart over elleve."},
        });
}

// Half and to name the coming hour.
TEST(NorwegianCoverage, HoursHalf) {
    expectSentences(norwegianTime,
                    {
                        {0, 30, "Klokka er halv ett."},     {1, 30, "Klokka er halv to."},
                        {2, 30, "Klokka er halv tre."},     {3, 30, "Klokka er halv fire."},
                        {4, 30, "Klokka er halv fem."},     {5, 30, "Klokka er halv seks."},
                        {6, 30, "Klokka er halv sju."},     {7, 30, "Klokka er halv åtte."},
                        {8, 30, "Klokka er halv ni."},      {9, 30, "Klokka er halv ti."},
                        {10, 30, "Klokka er halv elleve."}, {11, 30, "Klokka er halv tolv."},
                        {12, 30, "Klokka er halv ett."},    {13, 30, "Klokka er halv to."},
                        {14, 30, "Klokka er halv tre."},    {15, 30, "Klokka er halv fire."},
                        {16, 30, "Klokka er halv fem."},    {17, 30, "Klokka er halv seks."},
                        {18, 30, "Klokka er halv sju."},    {19, 30, "Klokka er halv åtte."},
                        {20, 30, "Klokka er halv ni."},     {21, 30, "Klokka er halv ti."},
                        {22, 30, "Klokka er halv elleve."}, {23, 30, "Klokka er halv tolv."},
                    });
}

TEST(NorwegianCoverage, HoursTo) {
    expectSentences(
        norwegianTime,
        {
            {0, 45, "Klokka er kvart på ett."},     {1, 45, "Klokka er kvart på to."},
            {2, 45, "Klokka er kvart på tre."},     {3, 45, "Klokka er kvart på fire."},
            {4, 45, "Klokka er kvart på fem."},     {5, 45, "Klokka er kvart på seks."},
            {6, 45, "Klokka er kvart på sju."},     {7, 45, "Klokka er kvart på åtte."},
            {8, 45, "Klokka er kvart på ni."},      {9, 45, "Klokka er kvart på ti."},
            {10, 45, "Klokka er kvart på elleve."}, {11, 45, "Klokka er kvart på tolv."},
            {12, 45, "Klokka er kvart på ett."},    {13, 45, "Klokka er kvart på to."},
            {14, 45, "Klokka er kvart på tre."},    {15, 45, "Klokka er kvart på fire."},
            {16, 45, "Klokka er kvart på fem."},    {17, 45, "Klokka er kvart på seks."},
            {18, 45, "Klokka er kvart på sju."},    {19, 45, "Klokka er kvart på åtte."},
            {20, 45, "Klokka er kvart på ni."},     {21, 45, "Klokka er kvart på ti."},
            {22, 45, "Klokka er kvart på elleve."}, {23, 45, "Klokka er kvart på tolv."},
        });
}

} // namespace
} // namespace ql::voice
