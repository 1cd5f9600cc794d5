// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Counted around the hour and the half hour: minutes 1-20 past the hour, 21-29 to the half,
// 31-39 past the half, 40-59 to the next hour; round amounts without "minuter". One minute is
// "en minut", one o'clock "ett".
namespace ql::voice {
namespace {

using coverage::expectSentences;

TEST(SwedishCoverage, Minutes) {
    expectSentences(swedishTime, {
                                     {2, 0, "Klockan är två."},
                                     {2, 1, "Klockan är en minut över två."},
                                     {2, 2, "Klockan är två minuter över två."},
                                     {2, 3, "Klockan är tre minuter över två."},
                                     {2, 4, "Klockan är fyra minuter över två."},
                                     {2, 5, "Klockan är fem över två."},
                                     {2, 6, "Klockan är sex minuter över två."},
                                     {2, 7, "Klockan är sju minuter över två."},
                                     {2, 8, "Klockan är åtta minuter över två."},
                                     {2, 9, "Klockan är nio minuter över två."},
                                     {2, 10, "Klockan är tio över två."},
                                     {2, 11, "Klockan är elva minuter över två."},
                                     {2, 12, "Klockan är tolv minuter över två."},
                                     {2, 13, "Klockan är tretton minuter över två."},
                                     {2, 14, "Klockan är fjorton minuter över två."},
                                     {2, 15, "Klockan är kvart över två."},
                                     {2, 16, "Klockan är sexton minuter över två."},
                                     {2, 17, "Klockan är sjutton minuter över två."},
                                     {2, 18, "Klockan är arton minuter över två."},
                                     {2, 19, "Klockan är nitton minuter över två."},
                                     {2, 20, "Klockan är tjugo över två."},
                                     {2, 21, "Klockan är nio minuter i halv tre."},
                                     {2, 22, "Klockan är åtta minuter i halv tre."},
                                     {2, 23, "Klockan är sju minuter i halv tre."},
                                     {2, 24, "Klockan är sex minuter i halv tre."},
                                     {2, 25, "Klockan är fem i halv tre."},
                                     {2, 26, "Klockan är fyra minuter i halv tre."},
                                     {2, 27, "Klockan är tre minuter i halv tre."},
                                     {2, 28, "Klockan är två minuter i halv tre."},
                                     {2, 29, "Klockan är en minut i halv tre."},
                                     {2, 30, "Klockan är halv tre."},
                                     {2, 31, "Klockan är en minut över halv tre."},
                                     {2, 32, "Klockan är två minuter över halv tre."},
                                     {2, 33, "Klockan är tre minuter över halv tre."},
                                     {2, 34, "Klockan är fyra minuter över halv tre."},
                                     {2, 35, "Klockan är fem över halv tre."},
                                     {2, 36, "Klockan är sex minuter över halv tre."},
                                     {2, 37, "Klockan är sju minuter över halv tre."},
                                     {2, 38, "Klockan är åtta minuter över halv tre."},
                                     {2, 39, "Klockan är nio minuter över halv tre."},
                                     {2, 40, "Klockan är tjugo i tre."},
                                     {2, 41, "Klockan är nitton minuter i tre."},
                                     {2, 42, "Klockan är arton minuter i tre."},
                                     {2, 43, "Klockan är sjutton minuter i tre."},
                                     {2, 44, "Klockan är sexton minuter i tre."},
                                     {2, 45, "Klockan är kvart i tre."},
                                     {2, 46, "Klockan är fjorton minuter i tre."},
                                     {2, 47, "Klockan är tretton minuter i tre."},
                                     {2, 48, "Klockan är tolv minuter i tre."},
                                     {2, 49, "Klockan är elva minuter i tre."},
                                     {2, 50, "Klockan är tio i tre."},
                                     {2, 51, "Klockan är nio minuter i tre."},
                                     {2, 52, "Klockan är åtta minuter i tre."},
                                     {2, 53, "Klockan är sju minuter i tre."},
                                     {2, 54, "Klockan är sex minuter i tre."},
                                     {2, 55, "Klockan är fem i tre."},
                                     {2, 56, "Klockan är fyra minuter i tre."},
                                     {2, 57, "Klockan är tre minuter i tre."},
                                     {2, 58, "Klockan är två minuter i tre."},
                                     {2, 59, "Klockan är en minut i tre."},
                                 });
}

TEST(SwedishCoverage, HoursOClock) {
    expectSentences(
        swedishTime,
        {
            {0, 0, "Det är midnatt."},   {1, 0, "Klockan är ett."},   {2, 0, "Klockan är två."},
            {3, 0, "Klockan är tre."},   {4, 0, "Klockan är fyra."},  {5, 0, "Klockan är fem."},
            {6, 0, "Klockan är sex."},   {7, 0, "Klockan är sju."},   {8, 0, "Klockan är åtta."},
            {9, 0, "Klockan är nio."},   {10, 0, "Klockan är tio."},  {11, 0, "Klockan är elva."},
            {12, 0, "Klockan är tolv."}, {13, 0, "Klockan är ett."},  {14, 0, "Klockan är två."},
            {15, 0, "Klockan är tre."},  {16, 0, "Klockan är fyra."}, {17, 0, "Klockan är fem."},
            {18, 0, "Klockan är sex."},  {19, 0, "Klockan är sju."},  {20, 0, "Klockan är åtta."},
            {21, 0, "Klockan är nio."},  {22, 0, "Klockan är tio."},  {23, 0, "Klockan är elva."},
        });
}

TEST(SwedishCoverage, HoursPast) {
    expectSentences(
        swedishTime,
        {
            {0, 15, "Klockan är kvart över tolv."},  {1, 15, "Klockan är kvart över ett."},
            {2, 15, "Klockan är kvart över två."},   {3, 15, "Klockan är kvart över tre."},
            {4, 15, "Klockan är kvart över fyra."},  {5, 15, "Klockan är kvart över fem."},
            {6, 15, "Klockan är kvart över sex."},   {7, 15, "Klockan är kvart över sju."},
            {8, 15, "Klockan är kvart över åtta."},  {9, 15, "Klockan är kvart över nio."},
            {10, 15, "Klockan är kvart över tio."},  {11, 15, "Klockan är kvart över elva."},
            {12, 15, "Klockan är kvart över tolv."}, {13, 15, "Klockan är kvart över ett."},
            {14, 15, "Klockan är kvart över två."},  {15, 15, "Klockan är kvart över tre."},
            {16, 15, "Klockan är kvart över fyra."}, {17, 15, "Klockan är kvart över fem."},
            {18, 15, "Klockan är kvart över sex."},  {19, 15, "Klockan är kvart över sju."},
            {20, 15, "Klockan är kvart över åtta."}, {21, 15, "Klockan är kvart över nio."},
            {22, 15, "Klockan är kvart över tio."},  {23, 15, "Klockan är kvart över elva."},
        });
}

// Half and to name the coming hour.
TEST(SwedishCoverage, HoursHalf) {
    expectSentences(swedishTime,
                    {
                        {0, 30, "Klockan är halv ett."},   {1, 30, "Klockan är halv två."},
                        {2, 30, "Klockan är halv tre."},   {3, 30, "Klockan är halv fyra."},
                        {4, 30, "Klockan är halv fem."},   {5, 30, "Klockan är halv sex."},
                        {6, 30, "Klockan är halv sju."},   {7, 30, "Klockan är halv åtta."},
                        {8, 30, "Klockan är halv nio."},   {9, 30, "Klockan är halv tio."},
                        {10, 30, "Klockan är halv elva."}, {11, 30, "Klockan är halv tolv."},
                        {12, 30, "Klockan är halv ett."},  {13, 30, "Klockan är halv två."},
                        {14, 30, "Klockan är halv tre."},  {15, 30, "Klockan är halv fyra."},
                        {16, 30, "Klockan är halv fem."},  {17, 30, "Klockan är halv sex."},
                        {18, 30, "Klockan är halv sju."},  {19, 30, "Klockan är halv åtta."},
                        {20, 30, "Klockan är halv nio."},  {21, 30, "Klockan är halv tio."},
                        {22, 30, "Klockan är halv elva."}, {23, 30, "Klockan är halv tolv."},
                    });
}

TEST(SwedishCoverage, HoursTo) {
    expectSentences(swedishTime,
                    {
                        {0, 45, "Klockan är kvart i ett."},   {1, 45, "Klockan är kvart i två."},
                        {2, 45, "Klockan är kvart i tre."},   {3, 45, "Klockan är kvart i fyra."},
                        {4, 45, "Klockan är kvart i fem."},   {5, 45, "Klockan är kvart i sex."},
                        {6, 45, "Klockan är kvart i sju."},   {7, 45, "Klockan är kvart i åtta."},
                        {8, 45, "Klockan är kvart i nio."},   {9, 45, "Klockan är kvart i tio."},
                        {10, 45, "Klockan är kvart i elva."}, {11, 45, "Klockan är kvart i tolv."},
                        {12, 45, "Klockan är kvart i ett."},  {13, 45, "Klockan är kvart i två."},
                        {14, 45, "Klockan är kvart i tre."},  {15, 45, "Klockan är kvart i fyra."},
                        {16, 45, "Klockan är kvart i fem."},  {17, 45, "Klockan är kvart i sex."},
                        {18, 45, "Klockan är kvart i sju."},  {19, 45, "Klockan är kvart i åtta."},
                        {20, 45, "Klockan är kvart i nio."},  {21, 45, "Klockan är kvart i tio."},
                        {22, 45, "Klockan är kvart i elva."}, {23, 45, "Klockan är kvart i tolv."},
                    });
}

} // namespace
} // namespace ql::voice
