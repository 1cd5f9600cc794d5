// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twelve-hour clock counted around the hour and the half hour. "yli" (past) takes the amount in
// the nominative, "vaille" (to) in the partitive; the hour itself stays nominative. Round amounts
// go without "minuuttia", and one minute to is just "minuuttia vaille".
namespace ql::voice::coverage {
namespace {

TEST(FinnishCoverage, Minutes) {
    expectSentences(finnishTime, {
                                     {14, 0, "Kello on kaksi."},
                                     {14, 1, "Kello on yksi minuutti yli kaksi."},
                                     {14, 2, "Kello on kaksi minuuttia yli kaksi."},
                                     {14, 3, "Kello on kolme minuuttia yli kaksi."},
                                     {14, 4, "Kello on neljä minuuttia yli kaksi."},
                                     {14, 5, "Kello on viisi yli kaksi."},
                                     {14, 6, "Kello on kuusi minuuttia yli kaksi."},
                                     {14, 7, "Kello on seitsemän minuuttia yli kaksi."},
                                     {14, 8, "Kello on kahdeksan minuuttia yli kaksi."},
                                     {14, 9, "Kello on yhdeksän minuuttia yli kaksi."},
                                     {14, 10, "Kello on kymmenen yli kaksi."},
                                     {14, 11, "Kello on yksitoista minuuttia yli kaksi."},
                                     {14, 12, "Kello on kaksitoista minuuttia yli kaksi."},
                                     {14, 13, "Kello on kolmetoista minuuttia yli kaksi."},
                                     {14, 14, "Kello on neljätoista minuuttia yli kaksi."},
                                     {14, 15, "Kello on varttia yli kaksi."},
                                     {14, 16, "Kello on kuusitoista minuuttia yli kaksi."},
                                     {14, 17, "Kello on seitsemäntoista minuuttia yli kaksi."},
                                     {14, 18, "Kello on kahdeksantoista minuuttia yli kaksi."},
                                     {14, 19, "Kello on yhdeksäntoista minuuttia yli kaksi."},
                                     {14, 20, "Kello on kaksikymmentä yli kaksi."},
                                     {14, 21, "Kello on yhdeksää minuuttia vaille puoli kolme."},
                                     {14, 22, "Kello on kahdeksaa minuuttia vaille puoli kolme."},
                                     {14, 23, "Kello on seitsemää minuuttia vaille puoli kolme."},
                                     {14, 24, "Kello on kuutta minuuttia vaille puoli kolme."},
                                     {14, 25, "Kello on viittä vaille puoli kolme."},
                                     {14, 26, "Kello on neljää minuuttia vaille puoli kolme."},
                                     {14, 27, "Kello on kolmea minuuttia vaille puoli kolme."},
                                     {14, 28, "Kello on kahta minuuttia vaille puoli kolme."},
                                     {14, 29, "Kello on minuuttia vaille puoli kolme."},
                                     {14, 30, "Kello on puoli kolme."},
                                     {14, 31, "Kello on yksi minuutti yli puoli kolme."},
                                     {14, 32, "Kello on kaksi minuuttia yli puoli kolme."},
                                     {14, 33, "Kello on kolme minuuttia yli puoli kolme."},
                                     {14, 34, "Kello on neljä minuuttia yli puoli kolme."},
                                     {14, 35, "Kello on viisi yli puoli kolme."},
                                     {14, 36, "Kello on kuusi minuuttia yli puoli kolme."},
                                     {14, 37, "Kello on seitsemän minuuttia yli puoli kolme."},
                                     {14, 38, "Kello on kahdeksan minuuttia yli puoli kolme."},
                                     {14, 39, "Kello on yhdeksän minuuttia yli puoli kolme."},
                                     {14, 40, "Kello on kahtakymmentä vaille kolme."},
                                     {14, 41, "Kello on yhdeksäätoista minuuttia vaille kolme."},
                                     {14, 42, "Kello on kahdeksaatoista minuuttia vaille kolme."},
                                     {14, 43, "Kello on seitsemäätoista minuuttia vaille kolme."},
                                     {14, 44, "Kello on kuuttatoista minuuttia vaille kolme."},
                                     {14, 45, "Kello on varttia vaille kolme."},
                                     {14, 46, "Kello on neljäätoista minuuttia vaille kolme."},
                                     {14, 47, "Kello on kolmeatoista minuuttia vaille kolme."},
                                     {14, 48, "Kello on kahtatoista minuuttia vaille kolme."},
                                     {14, 49, "Kello on yhtätoista minuuttia vaille kolme."},
                                     {14, 50, "Kello on kymmentä vaille kolme."},
                                     {14, 51, "Kello on yhdeksää minuuttia vaille kolme."},
                                     {14, 52, "Kello on kahdeksaa minuuttia vaille kolme."},
                                     {14, 53, "Kello on seitsemää minuuttia vaille kolme."},
                                     {14, 54, "Kello on kuutta minuuttia vaille kolme."},
                                     {14, 55, "Kello on viittä vaille kolme."},
                                     {14, 56, "Kello on neljää minuuttia vaille kolme."},
                                     {14, 57, "Kello on kolmea minuuttia vaille kolme."},
                                     {14, 58, "Kello on kahta minuuttia vaille kolme."},
                                     {14, 59, "Kello on minuuttia vaille kolme."},
                                 });
}

TEST(FinnishCoverage, HoursOClock) {
    expectSentences(finnishTime,
                    {
                        {0, 0, "On keskiyö."},          {1, 0, "Kello on yksi."},
                        {2, 0, "Kello on kaksi."},      {3, 0, "Kello on kolme."},
                        {4, 0, "Kello on neljä."},      {5, 0, "Kello on viisi."},
                        {6, 0, "Kello on kuusi."},      {7, 0, "Kello on seitsemän."},
                        {8, 0, "Kello on kahdeksan."},  {9, 0, "Kello on yhdeksän."},
                        {10, 0, "Kello on kymmenen."},  {11, 0, "Kello on yksitoista."},
                        {12, 0, "On keskipäivä."},      {13, 0, "Kello on yksi."},
                        {14, 0, "Kello on kaksi."},     {15, 0, "Kello on kolme."},
                        {16, 0, "Kello on neljä."},     {17, 0, "Kello on viisi."},
                        {18, 0, "Kello on kuusi."},     {19, 0, "Kello on seitsemän."},
                        {20, 0, "Kello on kahdeksan."}, {21, 0, "Kello on yhdeksän."},
                        {22, 0, "Kello on kymmenen."},  {23, 0, "Kello on yksitoista."},
                    });
}

TEST(FinnishCoverage, HoursPast) {
    expectSentences(finnishTime, {
                                     {0, 10, "Kello on kymmenen yli kaksitoista."},
                                     {1, 10, "Kello on kymmenen yli yksi."},
                                     {2, 10, "Kello on kymmenen yli kaksi."},
                                     {3, 10, "Kello on kymmenen yli kolme."},
                                     {4, 10, "Kello on kymmenen yli neljä."},
                                     {5, 10, "Kello on kymmenen yli viisi."},
                                     {6, 10, "Kello on kymmenen yli kuusi."},
                                     {7, 10, "Kello on kymmenen yli seitsemän."},
                                     {8, 10, "Kello on kymmenen yli kahdeksan."},
                                     {9, 10, "Kello on kymmenen yli yhdeksän."},
                                     {10, 10, "Kello on kymmenen yli kymmenen."},
                                     {11, 10, "Kello on kymmenen yli yksitoista."},
                                     {12, 10, "Kello on kymmenen yli kaksitoista."},
                                     {13, 10, "Kello on kymmenen yli yksi."},
                                     {14, 10, "Kello on kymmenen yli kaksi."},
                                     {15, 10, "Kello on kymmenen yli kolme."},
                                     {16, 10, "Kello on kymmenen yli neljä."},
                                     {17, 10, "Kello on kymmenen yli viisi."},
                                     {18, 10, "Kello on kymmenen yli kuusi."},
                                     {19, 10, "Kello on kymmenen yli seitsemän."},
                                     {20, 10, "Kello on kymmenen yli kahdeksan."},
                                     {21, 10, "Kello on kymmenen yli yhdeksän."},
                                     {22, 10, "Kello on kymmenen yli kymmenen."},
                                     {23, 10, "Kello on kymmenen yli yksitoista."},
                                 });
}

// Half past names the coming hour, across noon and midnight too.
TEST(FinnishCoverage, HoursHalf) {
    expectSentences(
        finnishTime,
        {
            {0, 30, "Kello on puoli yksi."},        {1, 30, "Kello on puoli kaksi."},
            {2, 30, "Kello on puoli kolme."},       {3, 30, "Kello on puoli neljä."},
            {4, 30, "Kello on puoli viisi."},       {5, 30, "Kello on puoli kuusi."},
            {6, 30, "Kello on puoli seitsemän."},   {7, 30, "Kello on puoli kahdeksan."},
            {8, 30, "Kello on puoli yhdeksän."},    {9, 30, "Kello on puoli kymmenen."},
            {10, 30, "Kello on puoli yksitoista."}, {11, 30, "Kello on puoli kaksitoista."},
            {12, 30, "Kello on puoli yksi."},       {13, 30, "Kello on puoli kaksi."},
            {14, 30, "Kello on puoli kolme."},      {15, 30, "Kello on puoli neljä."},
            {16, 30, "Kello on puoli viisi."},      {17, 30, "Kello on puoli kuusi."},
            {18, 30, "Kello on puoli seitsemän."},  {19, 30, "Kello on puoli kahdeksan."},
            {20, 30, "Kello on puoli yhdeksän."},   {21, 30, "Kello on puoli kymmenen."},
            {22, 30, "Kello on puoli yksitoista."}, {23, 30, "Kello on puoli kaksitoista."},
        });
}

TEST(FinnishCoverage, HoursTo) {
    expectSentences(finnishTime, {
                                     {0, 45, "Kello on varttia vaille yksi."},
                                     {1, 45, "Kello on varttia vaille kaksi."},
                                     {2, 45, "Kello on varttia vaille kolme."},
                                     {3, 45, "Kello on varttia vaille neljä."},
                                     {4, 45, "Kello on varttia vaille viisi."},
                                     {5, 45, "Kello on varttia vaille kuusi."},
                                     {6, 45, "Kello on varttia vaille seitsemän."},
                                     {7, 45, "Kello on varttia vaille kahdeksan."},
                                     {8, 45, "Kello on varttia vaille yhdeksän."},
                                     {9, 45, "Kello on varttia vaille kymmenen."},
                                     {10, 45, "Kello on varttia vaille yksitoista."},
                                     {11, 45, "Kello on varttia vaille kaksitoista."},
                                     {12, 45, "Kello on varttia vaille yksi."},
                                     {13, 45, "Kello on varttia vaille kaksi."},
                                     {14, 45, "Kello on varttia vaille kolme."},
                                     {15, 45, "Kello on varttia vaille neljä."},
                                     {16, 45, "Kello on varttia vaille viisi."},
                                     {17, 45, "Kello on varttia vaille kuusi."},
                                     {18, 45, "Kello on varttia vaille seitsemän."},
                                     {19, 45, "Kello on varttia vaille kahdeksan."},
                                     {20, 45, "Kello on varttia vaille yhdeksän."},
                                     {21, 45, "Kello on varttia vaille kymmenen."},
                                     {22, 45, "Kello on varttia vaille yksitoista."},
                                     {23, 45, "Kello on varttia vaille kaksitoista."},
                                 });
}

} // namespace
} // namespace ql::voice::coverage
