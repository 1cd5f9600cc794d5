// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twelve-hour clock counted around the hour and the half hour: "fem over to", "fem i halv tre"
// (2:25), "halv tre" (2:30), "fem over halv tre" (2:35), "kvart i tre". Round amounts go without
// "minutter"; one o'clock is written "ét", one minute "et minut".
namespace ql::voice::coverage {
namespace {

TEST(DanishCoverage, Minutes) {
    expectSentences(danishTime, {
                                    {14, 0, "Klokken er to."},
                                    {14, 1, "Klokken er et minut over to."},
                                    {14, 2, "Klokken er to minutter over to."},
                                    {14, 3, "Klokken er tre minutter over to."},
                                    {14, 4, "Klokken er fire minutter over to."},
                                    {14, 5, "Klokken er fem over to."},
                                    {14, 6, "Klokken er seks minutter over to."},
                                    {14, 7, "Klokken er syv minutter over to."},
                                    {14, 8, "Klokken er otte minutter over to."},
                                    {14, 9, "Klokken er ni minutter over to."},
                                    {14, 10, "Klokken er ti over to."},
                                    {14, 11, "Klokken er elleve minutter over to."},
                                    {14, 12, "Klokken er tolv minutter over to."},
                                    {14, 13, "Klokken er tretten minutter over to."},
                                    {14, 14, "Klokken er fjorten minutter over to."},
                                    {14, 15, "Klokken er kvart over to."},
                                    {14, 16, "Klokken er seksten minutter over to."},
                                    {14, 17, "Klokken er sytten minutter over to."},
                                    {14, 18, "Klokken er atten minutter over to."},
                                    {14, 19, "Klokken er nitten minutter over to."},
                                    {14, 20, "Klokken er tyve over to."},
                                    {14, 21, "Klokken er ni minutter i halv tre."},
                                    {14, 22, "Klokken er otte minutter i halv tre."},
                                    {14, 23, "Klokken er syv minutter i halv tre."},
                                    {14, 24, "Klokken er seks minutter i halv tre."},
                                    {14, 25, "Klokken er fem i halv tre."},
                                    {14, 26, "Klokken er fire minutter i halv tre."},
                                    {14, 27, "Klokken er tre minutter i halv tre."},
                                    {14, 28, "Klokken er to minutter i halv tre."},
                                    {14, 29, "Klokken er et minut i halv tre."},
                                    {14, 30, "Klokken er halv tre."},
                                    {14, 31, "Klokken er et minut over halv tre."},
                                    {14, 32, "Klokken er to minutter over halv tre."},
                                    {14, 33, "Klokken er tre minutter over halv tre."},
                                    {14, 34, "Klokken er fire minutter over halv tre."},
                                    {14, 35, "Klokken er fem over halv tre."},
                                    {14, 36, "Klokken er seks minutter over halv tre."},
                                    {14, 37, "Klokken er syv minutter over halv tre."},
                                    {14, 38, "Klokken er otte minutter over halv tre."},
                                    {14, 39, "Klokken er ni minutter over halv tre."},
                                    {14, 40, "Klokken er tyve i tre."},
                                    {14, 41, "Klokken er nitten minutter i tre."},
                                    {14, 42, "Klokken er atten minutter i tre."},
                                    {14, 43, "Klokken er sytten minutter i tre."},
                                    {14, 44, "Klokken er seksten minutter i tre."},
                                    {14, 45, "Klokken er kvart i tre."},
                                    {14, 46, "Klokken er fjorten minutter i tre."},
                                    {14, 47, "Klokken er tretten minutter i tre."},
                                    {14, 48, "Klokken er tolv minutter i tre."},
                                    {14, 49, "Klokken er elleve minutter i tre."},
                                    {14, 50, "Klokken er ti i tre."},
                                    {14, 51, "Klokken er ni minutter i tre."},
                                    {14, 52, "Klokken er otte minutter i tre."},
                                    {14, 53, "Klokken er syv minutter i tre."},
                                    {14, 54, "Klokken er seks minutter i tre."},
                                    {14, 55, "Klokken er fem i tre."},
                                    {14, 56, "Klokken er fire minutter i tre."},
                                    {14, 57, "Klokken er tre minutter i tre."},
                                    {14, 58, "Klokken er to minutter i tre."},
                                    {14, 59, "Klokken er et minut i tre."},
                                });
}

// Only midnight has its own word; noon is plain twelve.
TEST(DanishCoverage, HoursOClock) {
    expectSentences(
        danishTime,
        {
            {0, 0, "Det er midnat."},    {1, 0, "Klokken er ét."},    {2, 0, "Klokken er to."},
            {3, 0, "Klokken er tre."},   {4, 0, "Klokken er fire."},  {5, 0, "Klokken er fem."},
            {6, 0, "Klokken er seks."},  {7, 0, "Klokken er syv."},   {8, 0, "Klokken er otte."},
            {9, 0, "Klokken er ni."},    {10, 0, "Klokken er ti."},   {11, 0, "Klokken er elleve."},
            {12, 0, "Klokken er tolv."}, {13, 0, "Klokken er ét."},   {14, 0, "Klokken er to."},
            {15, 0, "Klokken er tre."},  {16, 0, "Klokken er fire."}, {17, 0, "Klokken er fem."},
            {18, 0, "Klokken er seks."}, {19, 0, "Klokken er syv."},  {20, 0, "Klokken er otte."},
            {21, 0, "Klokken er ni."},   {22, 0, "Klokken er ti."},   {23, 0, "Klokken er elleve."},
        });
}

TEST(DanishCoverage, HoursPast) {
    expectSentences(
        danishTime,
        {
            {0, 5, "Klokken er fem over tolv."},  {1, 5, "Klokken er fem over ét."},
            {2, 5, "Klokken er fem over to."},    {3, 5, "Klokken er fem over tre."},
            {4, 5, "Klokken er fem over fire."},  {5, 5, "Klokken er fem over fem."},
            {6, 5, "Klokken er fem over seks."},  {7, 5, "Klokken er fem over syv."},
            {8, 5, "Klokken er fem over otte."},  {9, 5, "Klokken er fem over ni."},
            {10, 5, "Klokken er fem over ti."},   {11, 5, "Klokken er fem over elleve."},
            {12, 5, "Klokken er fem over tolv."}, {13, 5, "Klokken er fem over ét."},
            {14, 5, "Klokken er fem over to."},   {15, 5, "Klokken er fem over tre."},
            {16, 5, "Klokken er fem over fire."}, {17, 5, "Klokken er fem over fem."},
            {18, 5, "Klokken er fem over seks."}, {19, 5, "Klokken er fem over syv."},
            {20, 5, "Klokken er fem over otte."}, {21, 5, "Klokken er fem over ni."},
            {22, 5, "Klokken er fem over ti."},   {23, 5, "Klokken er fem over elleve."},
        });
}

// Half past names the coming hour, across noon and midnight too.
TEST(DanishCoverage, HoursHalf) {
    expectSentences(danishTime,
                    {
                        {0, 30, "Klokken er halv ét."},      {1, 30, "Klokken er halv to."},
                        {2, 30, "Klokken er halv tre."},     {3, 30, "Klokken er halv fire."},
                        {4, 30, "Klokken er halv fem."},     {5, 30, "Klokken er halv seks."},
                        {6, 30, "Klokken er halv syv."},     {7, 30, "Klokken er halv otte."},
                        {8, 30, "Klokken er halv ni."},      {9, 30, "Klokken er halv ti."},
                        {10, 30, "Klokken er halv elleve."}, {11, 30, "Klokken er halv tolv."},
                        {12, 30, "Klokken er halv ét."},     {13, 30, "Klokken er halv to."},
                        {14, 30, "Klokken er halv tre."},    {15, 30, "Klokken er halv fire."},
                        {16, 30, "Klokken er halv fem."},    {17, 30, "Klokken er halv seks."},
                        {18, 30, "Klokken er halv syv."},    {19, 30, "Klokken er halv otte."},
                        {20, 30, "Klokken er halv ni."},     {21, 30, "Klokken er halv ti."},
                        {22, 30, "Klokken er halv elleve."}, {23, 30, "Klokken er halv tolv."},
                    });
}

TEST(DanishCoverage, HoursTo) {
    expectSentences(danishTime,
                    {
                        {0, 50, "Klokken er ti i ét."},      {1, 50, "Klokken er ti i to."},
                        {2, 50, "Klokken er ti i tre."},     {3, 50, "Klokken er ti i fire."},
                        {4, 50, "Klokken er ti i fem."},     {5, 50, "Klokken er ti i seks."},
                        {6, 50, "Klokken er ti i syv."},     {7, 50, "Klokken er ti i otte."},
                        {8, 50, "Klokken er ti i ni."},      {9, 50, "Klokken er ti i ti."},
                        {10, 50, "Klokken er ti i elleve."}, {11, 50, "Klokken er ti i tolv."},
                        {12, 50, "Klokken er ti i ét."},     {13, 50, "Klokken er ti i to."},
                        {14, 50, "Klokken er ti i tre."},    {15, 50, "Klokken er ti i fire."},
                        {16, 50, "Klokken er ti i fem."},    {17, 50, "Klokken er ti i seks."},
                        {18, 50, "Klokken er ti i syv."},    {19, 50, "Klokken er ti i otte."},
                        {20, 50, "Klokken er ti i ni."},     {21, 50, "Klokken er ti i ti."},
                        {22, 50, "Klokken er ti i elleve."}, {23, 50, "Klokken er ti i tolv."},
                    });
}

} // namespace
} // namespace ql::voice::coverage
