// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

namespace ql::voice::coverage {
namespace {

TEST(CatalanCoverage, Minutes) {
    expectSentences(catalanTime, {
                                     {8, 0, "Són les vuit."},
                                     {8, 1, "Són les vuit i un minut."},
                                     {8, 2, "Són les vuit i dos minuts."},
                                     {8, 3, "Són les vuit i tres minuts."},
                                     {8, 4, "Són les vuit i quatre minuts."},
                                     {8, 5, "Són les vuit i cinc."},
                                     {8, 6, "Són les vuit i sis minuts."},
                                     {8, 7, "Són les vuit i set minuts."},
                                     {8, 8, "Són les vuit i vuit minuts."},
                                     {8, 9, "Són les vuit i nou minuts."},
                                     {8, 10, "Són les vuit i deu."},
                                     {8, 11, "Falten quatre minuts per a un quart de nou."},
                                     {8, 12, "Falten tres minuts per a un quart de nou."},
                                     {8, 13, "Falten dos minuts per a un quart de nou."},
                                     {8, 14, "Falta un minut per a un quart de nou."},
                                     {8, 15, "És un quart de nou."},
                                     {8, 16, "És un quart i un minut de nou."},
                                     {8, 17, "És un quart i dos minuts de nou."},
                                     {8, 18, "És un quart i tres minuts de nou."},
                                     {8, 19, "És un quart i quatre minuts de nou."},
                                     {8, 20, "És un quart i cinc de nou."},
                                     {8, 21, "És un quart i sis minuts de nou."},
                                     {8, 22, "És un quart i set minuts de nou."},
                                     {8, 23, "Falten set minuts per a dos quarts de nou."},
                                     {8, 24, "Falten sis minuts per a dos quarts de nou."},
                                     {8, 25, "Falten cinc minuts per a dos quarts de nou."},
                                     {8, 26, "Falten quatre minuts per a dos quarts de nou."},
                                     {8, 27, "Falten tres minuts per a dos quarts de nou."},
                                     {8, 28, "Falten dos minuts per a dos quarts de nou."},
                                     {8, 29, "Falta un minut per a dos quarts de nou."},
                                     {8, 30, "Són dos quarts de nou."},
                                     {8, 31, "Són dos quarts i un minut de nou."},
                                     {8, 32, "Són dos quarts i dos minuts de nou."},
                                     {8, 33, "Són dos quarts i tres minuts de nou."},
                                     {8, 34, "Són dos quarts i quatre minuts de nou."},
                                     {8, 35, "Són dos quarts i cinc de nou."},
                                     {8, 36, "Són dos quarts i sis minuts de nou."},
                                     {8, 37, "Són dos quarts i set minuts de nou."},
                                     {8, 38, "Falten set minuts per a tres quarts de nou."},
                                     {8, 39, "Falten sis minuts per a tres quarts de nou."},
                                     {8, 40, "Falten cinc minuts per a tres quarts de nou."},
                                     {8, 41, "Falten quatre minuts per a tres quarts de nou."},
                                     {8, 42, "Falten tres minuts per a tres quarts de nou."},
                                     {8, 43, "Falten dos minuts per a tres quarts de nou."},
                                     {8, 44, "Falta un minut per a tres quarts de nou."},
                                     {8, 45, "Són tres quarts de nou."},
                                     {8, 46, "Són tres quarts i un minut de nou."},
                                     {8, 47, "Són tres quarts i dos minuts de nou."},
                                     {8, 48, "Són tres quarts i tres minuts de nou."},
                                     {8, 49, "Són tres quarts i quatre minuts de nou."},
                                     {8, 50, "Són tres quarts i cinc de nou."},
                                     {8, 51, "Són tres quarts i sis minuts de nou."},
                                     {8, 52, "Són tres quarts i set minuts de nou."},
                                     {8, 53, "Falten set minuts per a les nou."},
                                     {8, 54, "Falten sis minuts per a les nou."},
                                     {8, 55, "Falten cinc minuts per a les nou."},
                                     {8, 56, "Falten quatre minuts per a les nou."},
                                     {8, 57, "Falten tres minuts per a les nou."},
                                     {8, 58, "Falten dos minuts per a les nou."},
                                     {8, 59, "Falta un minut per a les nou."},
                                 });
}

TEST(CatalanCoverage, HoursOnTheHour) {
    expectSentences(
        catalanTime,
        {
            {0, 0, "És mitjanit."},   {1, 0, "És la una."},       {2, 0, "Són les dues."},
            {3, 0, "Són les tres."},  {4, 0, "Són les quatre."},  {5, 0, "Són les cinc."},
            {6, 0, "Són les sis."},   {7, 0, "Són les set."},     {8, 0, "Són les vuit."},
            {9, 0, "Són les nou."},   {10, 0, "Són les deu."},    {11, 0, "Són les onze."},
            {12, 0, "És migdia."},    {13, 0, "És la una."},      {14, 0, "Són les dues."},
            {15, 0, "Són les tres."}, {16, 0, "Són les quatre."}, {17, 0, "Són les cinc."},
            {18, 0, "Són les sis."},  {19, 0, "Són les set."},    {20, 0, "Són les vuit."},
            {21, 0, "Són les nou."},  {22, 0, "Són les deu."},    {23, 0, "Són les onze."},
        });
}

TEST(CatalanCoverage, HoursPastTheHour) {
    expectSentences(catalanTime,
                    {
                        {0, 5, "Són les dotze i cinc."},   {1, 5, "És la una i cinc."},
                        {2, 5, "Són les dues i cinc."},    {3, 5, "Són les tres i cinc."},
                        {4, 5, "Són les quatre i cinc."},  {5, 5, "Són les cinc i cinc."},
                        {6, 5, "Són les sis i cinc."},     {7, 5, "Són les set i cinc."},
                        {8, 5, "Són les vuit i cinc."},    {9, 5, "Són les nou i cinc."},
                        {10, 5, "Són les deu i cinc."},    {11, 5, "Són les onze i cinc."},
                        {12, 5, "Són les dotze i cinc."},  {13, 5, "És la una i cinc."},
                        {14, 5, "Són les dues i cinc."},   {15, 5, "Són les tres i cinc."},
                        {16, 5, "Són les quatre i cinc."}, {17, 5, "Són les cinc i cinc."},
                        {18, 5, "Són les sis i cinc."},    {19, 5, "Són les set i cinc."},
                        {20, 5, "Són les vuit i cinc."},   {21, 5, "Són les nou i cinc."},
                        {22, 5, "Són les deu i cinc."},    {23, 5, "Són les onze i cinc."},
                    });
}

// The quarters name the coming hour, with "de" elided before una and onze.
TEST(CatalanCoverage, HoursInQuarters) {
    expectSentences(catalanTime,
                    {
                        {0, 15, "És un quart d'una."},    {1, 15, "És un quart de dues."},
                        {2, 15, "És un quart de tres."},  {3, 15, "És un quart de quatre."},
                        {4, 15, "És un quart de cinc."},  {5, 15, "És un quart de sis."},
                        {6, 15, "És un quart de set."},   {7, 15, "És un quart de vuit."},
                        {8, 15, "És un quart de nou."},   {9, 15, "És un quart de deu."},
                        {10, 15, "És un quart d'onze."},  {11, 15, "És un quart de dotze."},
                        {12, 15, "És un quart d'una."},   {13, 15, "És un quart de dues."},
                        {14, 15, "És un quart de tres."}, {15, 15, "És un quart de quatre."},
                        {16, 15, "És un quart de cinc."}, {17, 15, "És un quart de sis."},
                        {18, 15, "És un quart de set."},  {19, 15, "És un quart de vuit."},
                        {20, 15, "És un quart de nou."},  {21, 15, "És un quart de deu."},
                        {22, 15, "És un quart d'onze."},  {23, 15, "És un quart de dotze."},
                    });
}

TEST(CatalanCoverage, HoursBeforeTheNext) {
    expectSentences(catalanTime, {
                                     {0, 55, "Falten cinc minuts per a la una."},
                                     {1, 55, "Falten cinc minuts per a les dues."},
                                     {2, 55, "Falten cinc minuts per a les tres."},
                                     {3, 55, "Falten cinc minuts per a les quatre."},
                                     {4, 55, "Falten cinc minuts per a les cinc."},
                                     {5, 55, "Falten cinc minuts per a les sis."},
                                     {6, 55, "Falten cinc minuts per a les set."},
                                     {7, 55, "Falten cinc minuts per a les vuit."},
                                     {8, 55, "Falten cinc minuts per a les nou."},
                                     {9, 55, "Falten cinc minuts per a les deu."},
                                     {10, 55, "Falten cinc minuts per a les onze."},
                                     {11, 55, "Falten cinc minuts per a les dotze."},
                                     {12, 55, "Falten cinc minuts per a la una."},
                                     {13, 55, "Falten cinc minuts per a les dues."},
                                     {14, 55, "Falten cinc minuts per a les tres."},
                                     {15, 55, "Falten cinc minuts per a les quatre."},
                                     {16, 55, "Falten cinc minuts per a les cinc."},
                                     {17, 55, "Falten cinc minuts per a les sis."},
                                     {18, 55, "Falten cinc minuts per a les set."},
                                     {19, 55, "Falten cinc minuts per a les vuit."},
                                     {20, 55, "Falten cinc minuts per a les nou."},
                                     {21, 55, "Falten cinc minuts per a les deu."},
                                     {22, 55, "Falten cinc minuts per a les onze."},
                                     {23, 55, "Falten cinc minuts per a les dotze."},
                                 });
}

} // namespace
} // namespace ql::voice::coverage
