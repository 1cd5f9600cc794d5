// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twelve-hour clock with the part of the day; a quarter and a half have their own words.
namespace ql::voice {
namespace {

using coverage::expectSentences;

TEST(SpanishCoverage, Minutes) {
    expectSentences(spanishTime, {
                                     {16, 0, "Son las cuatro en punto de la tarde."},
                                     {16, 1, "Son las cuatro y un minuto de la tarde."},
                                     {16, 2, "Son las cuatro y dos de la tarde."},
                                     {16, 3, "Son las cuatro y tres de la tarde."},
                                     {16, 4, "Son las cuatro y cuatro de la tarde."},
                                     {16, 5, "Son las cuatro y cinco de la tarde."},
                                     {16, 6, "Son las cuatro y seis de la tarde."},
                                     {16, 7, "Son las cuatro y siete de la tarde."},
                                     {16, 8, "Son las cuatro y ocho de la tarde."},
                                     {16, 9, "Son las cuatro y nueve de la tarde."},
                                     {16, 10, "Son las cuatro y diez de la tarde."},
                                     {16, 11, "Son las cuatro y once de la tarde."},
                                     {16, 12, "Son las cuatro y doce de la tarde."},
                                     {16, 13, "Son las cuatro y trece de la tarde."},
                                     {16, 14, "Son las cuatro y catorce de la tarde."},
                                     {16, 15, "Son las cuatro y cuarto de la tarde."},
                                     {16, 16, "Son las cuatro y dieciséis de la tarde."},
                                     {16, 17, "Son las cuatro y diecisiete de la tarde."},
                                     {16, 18, "Son las cuatro y dieciocho de la tarde."},
                                     {16, 19, "Son las cuatro y diecinueve de la tarde."},
                                     {16, 20, "Son las cuatro y veinte de la tarde."},
                                     {16, 21, "Son las cuatro y veintiuno de la tarde."},
                                     {16, 22, "Son las cuatro y veintidós de la tarde."},
                                     {16, 23, "Son las cuatro y veintitrés de la tarde."},
                                     {16, 24, "Son las cuatro y veinticuatro de la tarde."},
                                     {16, 25, "Son las cuatro y veinticinco de la tarde."},
                                     {16, 26, "Son las cuatro y veintiséis de la tarde."},
                                     {16, 27, "Son las cuatro y veintisiete de la tarde."},
                                     {16, 28, "Son las cuatro y veintiocho de la tarde."},
                                     {16, 29, "Son las cuatro y veintinueve de la tarde."},
                                     {16, 30, "Son las cuatro y media de la tarde."},
                                     {16, 31, "Son las cuatro y treinta y uno de la tarde."},
                                     {16, 32, "Son las cuatro y treinta y dos de la tarde."},
                                     {16, 33, "Son las cuatro y treinta y tres de la tarde."},
                                     {16, 34, "Son las cuatro y treinta y cuatro de la tarde."},
                                     {16, 35, "Son las cuatro y treinta y cinco de la tarde."},
                                     {16, 36, "Son las cuatro y treinta y seis de la tarde."},
                                     {16, 37, "Son las cuatro y treinta y siete de la tarde."},
                                     {16, 38, "Son las cuatro y treinta y ocho de la tarde."},
                                     {16, 39, "Son las cuatro y treinta y nueve de la tarde."},
                                     {16, 40, "Son las cuatro y cuarenta de la tarde."},
                                     {16, 41, "Son las cuatro y cuarenta y uno de la tarde."},
                                     {16, 42, "Son las cuatro y cuarenta y dos de la tarde."},
                                     {16, 43, "Son las cuatro y cuarenta y tres de la tarde."},
                                     {16, 44, "Son las cuatro y cuarenta y cuatro de la tarde."},
                                     {16, 45, "Son las cuatro y cuarenta y cinco de la tarde."},
                                     {16, 46, "Son las cuatro y cuarenta y seis de la tarde."},
                                     {16, 47, "Son las cuatro y cuarenta y siete de la tarde."},
                                     {16, 48, "Son las cuatro y cuarenta y ocho de la tarde."},
                                     {16, 49, "Son las cuatro y cuarenta y nueve de la tarde."},
                                     {16, 50, "Son las cuatro y cincuenta de la tarde."},
                                     {16, 51, "Son las cuatro y cincuenta y uno de la tarde."},
                                     {16, 52, "Son las cuatro y cincuenta y dos de la tarde."},
                                     {16, 53, "Son las cuatro y cincuenta y tres de la tarde."},
                                     {16, 54, "Son las cuatro y cincuenta y cuatro de la tarde."},
                                     {16, 55, "Son las cuatro y cincuenta y cinco de la tarde."},
                                     {16, 56, "Son las cuatro y cincuenta y seis de la tarde."},
                                     {16, 57, "Son las cuatro y cincuenta y siete de la tarde."},
                                     {16, 58, "Son las cuatro y cincuenta y ocho de la tarde."},
                                     {16, 59, "Son las cuatro y cincuenta y nueve de la tarde."},
                                 });
}

// Midnight and noon are named only on the hour; the part of the day changes at 1, 6, 12, 13
// and 20.
TEST(SpanishCoverage, HoursOClock) {
    expectSentences(spanishTime, {
                                     {0, 0, "Es medianoche."},
                                     {1, 0, "Es la una en punto de la madrugada."},
                                     {2, 0, "Son las dos en punto de la madrugada."},
                                     {3, 0, "Son las tres en punto de la madrugada."},
                                     {4, 0, "Son las cuatro en punto de la madrugada."},
                                     {5, 0, "Son las cinco en punto de la madrugada."},
                                     {6, 0, "Son las seis en punto de la mañana."},
                                     {7, 0, "Son las siete en punto de la mañana."},
                                     {8, 0, "Son las ocho en punto de la mañana."},
                                     {9, 0, "Son las nueve en punto de la mañana."},
                                     {10, 0, "Son las diez en punto de la mañana."},
                                     {11, 0, "Son las once en punto de la mañana."},
                                     {12, 0, "Es mediodía."},
                                     {13, 0, "Es la una en punto de la tarde."},
                                     {14, 0, "Son las dos en punto de la tarde."},
                                     {15, 0, "Son las tres en punto de la tarde."},
                                     {16, 0, "Son las cuatro en punto de la tarde."},
                                     {17, 0, "Son las cinco en punto de la tarde."},
                                     {18, 0, "Son las seis en punto de la tarde."},
                                     {19, 0, "Son las siete en punto de la tarde."},
                                     {20, 0, "Son las ocho en punto de la noche."},
                                     {21, 0, "Son las nueve en punto de la noche."},
                                     {22, 0, "Son las diez en punto de la noche."},
                                     {23, 0, "Son las once en punto de la noche."},
                                 });
}

TEST(SpanishCoverage, HoursWithMinutes) {
    expectSentences(spanishTime, {
                                     {0, 10, "Son las doce y diez de la noche."},
                                     {1, 10, "Es la una y diez de la madrugada."},
                                     {2, 10, "Son las dos y diez de la madrugada."},
                                     {3, 10, "Son las tres y diez de la madrugada."},
                                     {4, 10, "Son las cuatro y diez de la madrugada."},
                                     {5, 10, "Son las cinco y diez de la madrugada."},
                                     {6, 10, "Son las seis y diez de la mañana."},
                                     {7, 10, "Son las siete y diez de la mañana."},
                                     {8, 10, "Son las ocho y diez de la mañana."},
                                     {9, 10, "Son las nueve y diez de la mañana."},
                                     {10, 10, "Son las diez y diez de la mañana."},
                                     {11, 10, "Son las once y diez de la mañana."},
                                     {12, 10, "Son las doce y diez del mediodía."},
                                     {13, 10, "Es la una y diez de la tarde."},
                                     {14, 10, "Son las dos y diez de la tarde."},
                                     {15, 10, "Son las tres y diez de la tarde."},
                                     {16, 10, "Son las cuatro y diez de la tarde."},
                                     {17, 10, "Son las cinco y diez de la tarde."},
                                     {18, 10, "Son las seis y diez de la tarde."},
                                     {19, 10, "Son las siete y diez de la tarde."},
                                     {20, 10, "Son las ocho y diez de la noche."},
                                     {21, 10, "Son las nueve y diez de la noche."},
                                     {22, 10, "Son las diez y diez de la noche."},
                                     {23, 10, "Son las once y diez de la noche."},
                                 });
}

// The last minute of each part of the day still belongs to it.
TEST(SpanishCoverage, PartOfDayEdges) {
    expectSentences(spanishTime, {
                                     {0, 59, "Son las doce y cincuenta y nueve de la noche."},
                                     {5, 59, "Son las cinco y cincuenta y nueve de la madrugada."},
                                     {11, 59, "Son las once y cincuenta y nueve de la mañana."},
                                     {12, 59, "Son las doce y cincuenta y nueve del mediodía."},
                                     {19, 59, "Son las siete y cincuenta y nueve de la tarde."},
                                     {23, 59, "Son las once y cincuenta y nueve de la noche."},
                                 });
}

} // namespace
} // namespace ql::voice
