// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twelve-hour clock: past the hour takes it in the accusative (dokuzu beş geçiyor), to the next
// hour in the dative (ona beş var); half past is "buçuk", half past twelve "yarım".
namespace ql::voice {
namespace {

using coverage::expectSentences;

TEST(TurkishCoverage, Minutes) {
    expectSentences(turkishTime, {
                                     {9, 0, "Saat dokuz."},
                                     {9, 1, "Saat dokuzu bir geçiyor."},
                                     {9, 2, "Saat dokuzu iki geçiyor."},
                                     {9, 3, "Saat dokuzu üç geçiyor."},
                                     {9, 4, "Saat dokuzu dört geçiyor."},
                                     {9, 5, "Saat dokuzu beş geçiyor."},
                                     {9, 6, "Saat dokuzu altı geçiyor."},
                                     {9, 7, "Saat dokuzu yedi geçiyor."},
                                     {9, 8, "Saat dokuzu sekiz geçiyor."},
                                     {9, 9, "Saat dokuzu dokuz geçiyor."},
                                     {9, 10, "Saat dokuzu on geçiyor."},
                                     {9, 11, "Saat dokuzu on bir geçiyor."},
                                     {9, 12, "Saat dokuzu on iki geçiyor."},
                                     {9, 13, "Saat dokuzu on üç geçiyor."},
                                     {9, 14, "Saat dokuzu on dört geçiyor."},
                                     {9, 15, "Saat dokuzu çeyrek geçiyor."},
                                     {9, 16, "Saat dokuzu on altı geçiyor."},
                                     {9, 17, "Saat dokuzu on yedi geçiyor."},
                                     {9, 18, "Saat dokuzu on sekiz geçiyor."},
                                     {9, 19, "Saat dokuzu on dokuz geçiyor."},
                                     {9, 20, "Saat dokuzu yirmi geçiyor."},
                                     {9, 21, "Saat dokuzu yirmi bir geçiyor."},
                                     {9, 22, "Saat dokuzu yirmi iki geçiyor."},
                                     {9, 23, "Saat dokuzu yirmi üç geçiyor."},
                                     {9, 24, "Saat dokuzu yirmi dört geçiyor."},
                                     {9, 25, "Saat dokuzu yirmi beş geçiyor."},
                                     {9, 26, "Saat dokuzu yirmi altı geçiyor."},
                                     {9, 27, "Saat dokuzu yirmi yedi geçiyor."},
                                     {9, 28, "Saat dokuzu yirmi sekiz geçiyor."},
                                     {9, 29, "Saat dokuzu yirmi dokuz geçiyor."},
                                     {9, 30, "Saat dokuz buçuk."},
                                     {9, 31, "Saat ona yirmi dokuz var."},
                                     {9, 32, "Saat ona yirmi sekiz var."},
                                     {9, 33, "Saat ona yirmi yedi var."},
                                     {9, 34, "Saat ona yirmi altı var."},
                                     {9, 35, "Saat ona yirmi beş var."},
                                     {9, 36, "Saat ona yirmi dört var."},
                                     {9, 37, "Saat ona yirmi üç var."},
                                     {9, 38, "Saat ona yirmi iki var."},
                                     {9, 39, "Saat ona yirmi bir var."},
                                     {9, 40, "Saat ona yirmi var."},
                                     {9, 41, "Saat ona on dokuz var."},
                                     {9, 42, "Saat ona on sekiz var."},
                                     {9, 43, "Saat ona on yedi var."},
                                     {9, 44, "Saat ona on altı var."},
                                     {9, 45, "Saat ona çeyrek var."},
                                     {9, 46, "Saat ona on dört var."},
                                     {9, 47, "Saat ona on üç var."},
                                     {9, 48, "Saat ona on iki var."},
                                     {9, 49, "Saat ona on bir var."},
                                     {9, 50, "Saat ona on var."},
                                     {9, 51, "Saat ona dokuz var."},
                                     {9, 52, "Saat ona sekiz var."},
                                     {9, 53, "Saat ona yedi var."},
                                     {9, 54, "Saat ona altı var."},
                                     {9, 55, "Saat ona beş var."},
                                     {9, 56, "Saat ona dört var."},
                                     {9, 57, "Saat ona üç var."},
                                     {9, 58, "Saat ona iki var."},
                                     {9, 59, "Saat ona bir var."},
                                 });
}

TEST(TurkishCoverage, HoursOClock) {
    expectSentences(turkishTime,
                    {
                        {0, 0, "Gece yarısı."},  {1, 0, "Saat bir."},   {2, 0, "Saat iki."},
                        {3, 0, "Saat üç."},      {4, 0, "Saat dört."},  {5, 0, "Saat beş."},
                        {6, 0, "Saat altı."},    {7, 0, "Saat yedi."},  {8, 0, "Saat sekiz."},
                        {9, 0, "Saat dokuz."},   {10, 0, "Saat on."},   {11, 0, "Saat on bir."},
                        {12, 0, "Saat on iki."}, {13, 0, "Saat bir."},  {14, 0, "Saat iki."},
                        {15, 0, "Saat üç."},     {16, 0, "Saat dört."}, {17, 0, "Saat beş."},
                        {18, 0, "Saat altı."},   {19, 0, "Saat yedi."}, {20, 0, "Saat sekiz."},
                        {21, 0, "Saat dokuz."},  {22, 0, "Saat on."},   {23, 0, "Saat on bir."},
                    });
}

// The accusative of the hour just gone.
TEST(TurkishCoverage, HoursPast) {
    expectSentences(turkishTime,
                    {
                        {0, 10, "Saat on ikiyi on geçiyor."},  {1, 10, "Saat biri on geçiyor."},
                        {2, 10, "Saat ikiyi on geçiyor."},     {3, 10, "Saat üçü on geçiyor."},
                        {4, 10, "Saat dördü on geçiyor."},     {5, 10, "Saat beşi on geçiyor."},
                        {6, 10, "Saat altıyı on geçiyor."},    {7, 10, "Saat yediyi on geçiyor."},
                        {8, 10, "Saat sekizi on geçiyor."},    {9, 10, "Saat dokuzu on geçiyor."},
                        {10, 10, "Saat onu on geçiyor."},      {11, 10, "Saat on biri on geçiyor."},
                        {12, 10, "Saat on ikiyi on geçiyor."}, {13, 10, "Saat biri on geçiyor."},
                        {14, 10, "Saat ikiyi on geçiyor."},    {15, 10, "Saat üçü on geçiyor."},
                        {16, 10, "Saat dördü on geçiyor."},    {17, 10, "Saat beşi on geçiyor."},
                        {18, 10, "Saat altıyı on geçiyor."},   {19, 10, "Saat yediyi on geçiyor."},
                        {20, 10, "Saat sekizi on geçiyor."},   {21, 10, "Saat dokuzu on geçiyor."},
                        {22, 10, "Saat onu on geçiyor."},      {23, 10, "Saat on biri on geçiyor."},
                    });
}

TEST(TurkishCoverage, HoursHalf) {
    expectSentences(turkishTime, {
                                     {0, 30, "Saat yarım."},        {1, 30, "Saat bir buçuk."},
                                     {2, 30, "Saat iki buçuk."},    {3, 30, "Saat üç buçuk."},
                                     {4, 30, "Saat dört buçuk."},   {5, 30, "Saat beş buçuk."},
                                     {6, 30, "Saat altı buçuk."},   {7, 30, "Saat yedi buçuk."},
                                     {8, 30, "Saat sekiz buçuk."},  {9, 30, "Saat dokuz buçuk."},
                                     {10, 30, "Saat on buçuk."},    {11, 30, "Saat on bir buçuk."},
                                     {12, 30, "Saat yarım."},       {13, 30, "Saat bir buçuk."},
                                     {14, 30, "Saat iki buçuk."},   {15, 30, "Saat üç buçuk."},
                                     {16, 30, "Saat dört buçuk."},  {17, 30, "Saat beş buçuk."},
                                     {18, 30, "Saat altı buçuk."},  {19, 30, "Saat yedi buçuk."},
                                     {20, 30, "Saat sekiz buçuk."}, {21, 30, "Saat dokuz buçuk."},
                                     {22, 30, "Saat on buçuk."},    {23, 30, "Saat on bir buçuk."},
                                 });
}

// The dative of the hour to come.
TEST(TurkishCoverage, HoursTo) {
    expectSentences(turkishTime,
                    {
                        {0, 50, "Saat bire on var."},     {1, 50, "Saat ikiye on var."},
                        {2, 50, "Saat üçe on var."},      {3, 50, "Saat dörde on var."},
                        {4, 50, "Saat beşe on var."},     {5, 50, "Saat altıya on var."},
                        {6, 50, "Saat yediye on var."},   {7, 50, "Saat sekize on var."},
                        {8, 50, "Saat dokuza on var."},   {9, 50, "Saat ona on var."},
                        {10, 50, "Saat on bire on var."}, {11, 50, "Saat on ikiye on var."},
                        {12, 50, "Saat bire on var."},    {13, 50, "Saat ikiye on var."},
                        {14, 50, "Saat üçe on var."},     {15, 50, "Saat dörde on var."},
                        {16, 50, "Saat beşe on var."},    {17, 50, "Saat altıya on var."},
                        {18, 50, "Saat yediye on var."},  {19, 50, "Saat sekize on var."},
                        {20, 50, "Saat dokuza on var."},  {21, 50, "Saat ona on var."},
                        {22, 50, "Saat on bire on var."}, {23, 50, "Saat on ikiye on var."},
                    });
}

} // namespace
} // namespace ql::voice
