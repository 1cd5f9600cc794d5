// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

namespace ql::voice::coverage {
namespace {

TEST(EstonianCoverage, Minutes) {
    expectSentences(estonianTime, {
                                      {2, 0, "Kell on kaks."},
                                      {2, 1, "Kell on üks minut üle kahe."},
                                      {2, 2, "Kell on kaks minutit üle kahe."},
                                      {2, 3, "Kell on kolm minutit üle kahe."},
                                      {2, 4, "Kell on neli minutit üle kahe."},
                                      {2, 5, "Kell on viis minutit üle kahe."},
                                      {2, 6, "Kell on kuus minutit üle kahe."},
                                      {2, 7, "Kell on seitse minutit üle kahe."},
                                      {2, 8, "Kell on kaheksa minutit üle kahe."},
                                      {2, 9, "Kell on üheksa minutit üle kahe."},
                                      {2, 10, "Kell on kümme minutit üle kahe."},
                                      {2, 11, "Kell on üksteist minutit üle kahe."},
                                      {2, 12, "Kell on kaksteist minutit üle kahe."},
                                      {2, 13, "Kell on kolmteist minutit üle kahe."},
                                      {2, 14, "Kell on neliteist minutit üle kahe."},
                                      {2, 15, "Kell on veerand kolm."},
                                      {2, 16, "Kell on kuusteist minutit üle kahe."},
                                      {2, 17, "Kell on seitseteist minutit üle kahe."},
                                      {2, 18, "Kell on kaheksateist minutit üle kahe."},
                                      {2, 19, "Kell on üheksateist minutit üle kahe."},
                                      {2, 20, "Kell on kakskümmend minutit üle kahe."},
                                      {2, 21, "Kell on kakskümmend üks minutit üle kahe."},
                                      {2, 22, "Kell on kakskümmend kaks minutit üle kahe."},
                                      {2, 23, "Kell on kakskümmend kolm minutit üle kahe."},
                                      {2, 24, "Kell on kakskümmend neli minutit üle kahe."},
                                      {2, 25, "Kell on kakskümmend viis minutit üle kahe."},
                                      {2, 26, "Kell on kakskümmend kuus minutit üle kahe."},
                                      {2, 27, "Kell on kakskümmend seitse minutit üle kahe."},
                                      {2, 28, "Kell on kakskümmend kaheksa minutit üle kahe."},
                                      {2, 29, "Kell on kakskümmend üheksa minutit üle kahe."},
                                      {2, 30, "Kell on pool kolm."},
                                      {2, 31, "Kell on kolmkümmend üks minutit üle kahe."},
                                      {2, 32, "Kell on kolmkümmend kaks minutit üle kahe."},
                                      {2, 33, "Kell on kolmkümmend kolm minutit üle kahe."},
                                      {2, 34, "Kell on kolmkümmend neli minutit üle kahe."},
                                      {2, 35, "Kell on kolmkümmend viis minutit üle kahe."},
                                      {2, 36, "Kell on kolmkümmend kuus minutit üle kahe."},
                                      {2, 37, "Kell on kolmkümmend seitse minutit üle kahe."},
                                      {2, 38, "Kell on kolmkümmend kaheksa minutit üle kahe."},
                                      {2, 39, "Kell on kolmkümmend üheksa minutit üle kahe."},
                                      {2, 40, "Kell on kakskümmend minutit puudu kolm."},
                                      {2, 41, "Kell on üheksateist minutit puudu kolm."},
                                      {2, 42, "Kell on kaheksateist minutit puudu kolm."},
                                      {2, 43, "Kell on seitseteist minutit puudu kolm."},
                                      {2, 44, "Kell on kuusteist minutit puudu kolm."},
                                      {2, 45, "Kell on kolmveerand kolm."},
                                      {2, 46, "Kell on neliteist minutit puudu kolm."},
                                      {2, 47, "Kell on kolmteist minutit puudu kolm."},
                                      {2, 48, "Kell on kaksteist minutit puudu kolm."},
                                      {2, 49, "Kell on üksteist minutit puudu kolm."},
                                      {2, 50, "Kell on kümme minutit puudu kolm."},
                                      {2, 51, "Kell on üheksa minutit puudu kolm."},
                                      {2, 52, "Kell on kaheksa minutit puudu kolm."},
                                      {2, 53, "Kell on seitse minutit puudu kolm."},
                                      {2, 54, "Kell on kuus minutit puudu kolm."},
                                      {2, 55, "Kell on viis minutit puudu kolm."},
                                      {2, 56, "Kell on neli minutit puudu kolm."},
                                      {2, 57, "Kell on kolm minutit puudu kolm."},
                                      {2, 58, "Kell on kaks minutit puudu kolm."},
                                      {2, 59, "Kell on üks minut puudu kolm."},
                                  });
}

TEST(EstonianCoverage, HoursOnTheHour) {
    expectSentences(
        estonianTime,
        {
            {0, 0, "On kesköö."},       {1, 0, "Kell on üks."},     {2, 0, "Kell on kaks."},
            {3, 0, "Kell on kolm."},    {4, 0, "Kell on neli."},    {5, 0, "Kell on viis."},
            {6, 0, "Kell on kuus."},    {7, 0, "Kell on seitse."},  {8, 0, "Kell on kaheksa."},
            {9, 0, "Kell on üheksa."},  {10, 0, "Kell on kümme."},  {11, 0, "Kell on üksteist."},
            {12, 0, "On keskpäev."},    {13, 0, "Kell on üks."},    {14, 0, "Kell on kaks."},
            {15, 0, "Kell on kolm."},   {16, 0, "Kell on neli."},   {17, 0, "Kell on viis."},
            {18, 0, "Kell on kuus."},   {19, 0, "Kell on seitse."}, {20, 0, "Kell on kaheksa."},
            {21, 0, "Kell on üheksa."}, {22, 0, "Kell on kümme."},  {23, 0, "Kell on üksteist."},
        });
}

// "üle" takes the hour in the genitive.
TEST(EstonianCoverage, HoursPastTheHour) {
    expectSentences(estonianTime, {
                                      {0, 10, "Kell on kümme minutit üle kaheteistkümne."},
                                      {1, 10, "Kell on kümme minutit üle ühe."},
                                      {2, 10, "Kell on kümme minutit üle kahe."},
                                      {3, 10, "Kell on kümme minutit üle kolme."},
                                      {4, 10, "Kell on kümme minutit üle nelja."},
                                      {5, 10, "Kell on kümme minutit üle viie."},
                                      {6, 10, "Kell on kümme minutit üle kuue."},
                                      {7, 10, "Kell on kümme minutit üle seitsme."},
                                      {8, 10, "Kell on kümme minutit üle kaheksa."},
                                      {9, 10, "Kell on kümme minutit üle üheksa."},
                                      {10, 10, "Kell on kümme minutit üle kümne."},
                                      {11, 10, "Kell on kümme minutit üle üheteistkümne."},
                                      {12, 10, "Kell on kümme minutit üle kaheteistkümne."},
                                      {13, 10, "Kell on kümme minutit üle ühe."},
                                      {14, 10, "Kell on kümme minutit üle kahe."},
                                      {15, 10, "Kell on kümme minutit üle kolme."},
                                      {16, 10, "Kell on kümme minutit üle nelja."},
                                      {17, 10, "Kell on kümme minutit üle viie."},
                                      {18, 10, "Kell on kümme minutit üle kuue."},
                                      {19, 10, "Kell on kümme minutit üle seitsme."},
                                      {20, 10, "Kell on kümme minutit üle kaheksa."},
                                      {21, 10, "Kell on kümme minutit üle üheksa."},
                                      {22, 10, "Kell on kümme minutit üle kümne."},
                                      {23, 10, "Kell on kümme minutit üle üheteistkümne."},
                                  });
}

// Quarters and the half count into the coming hour.
TEST(EstonianCoverage, HoursInQuarters) {
    expectSentences(
        estonianTime,
        {
            {0, 15, "Kell on veerand üks."},       {1, 15, "Kell on veerand kaks."},
            {2, 15, "Kell on veerand kolm."},      {3, 15, "Kell on veerand neli."},
            {4, 15, "Kell on veerand viis."},      {5, 15, "Kell on veerand kuus."},
            {6, 15, "Kell on veerand seitse."},    {7, 15, "Kell on veerand kaheksa."},
            {8, 15, "Kell on veerand üheksa."},    {9, 15, "Kell on veerand kümme."},
            {10, 15, "Kell on veerand üksteist."}, {11, 15, "Kell on veerand kaksteist."},
            {12, 15, "Kell on veerand üks."},      {13, 15, "Kell on veerand kaks."},
            {14, 15, "Kell on veerand kolm."},     {15, 15, "Kell on veerand neli."},
            {16, 15, "Kell on veerand viis."},     {17, 15, "Kell on veerand kuus."},
            {18, 15, "Kell on veerand seitse."},   {19, 15, "Kell on veerand kaheksa."},
            {20, 15, "Kell on veerand üheksa."},   {21, 15, "Kell on veerand kümme."},
            {22, 15, "Kell on veerand üksteist."}, {23, 15, "Kell on veerand kaksteist."},
        });
}

TEST(EstonianCoverage, HoursBeforeTheNext) {
    expectSentences(estonianTime, {
                                      {0, 50, "Kell on kümme minutit puudu üks."},
                                      {1, 50, "Kell on kümme minutit puudu kaks."},
                                      {2, 50, "Kell on kümme minutit puudu kolm."},
                                      {3, 50, "Kell on kümme minutit puudu neli."},
                                      {4, 50, "Kell on kümme minutit puudu viis."},
                                      {5, 50, "Kell on kümme minutit puudu kuus."},
                                      {6, 50, "Kell on kümme minutit puudu seitse."},
                                      {7, 50, "Kell on kümme minutit puudu kaheksa."},
                                      {8, 50, "Kell on kümme minutit puudu üheksa."},
                                      {9, 50, "Kell on kümme minutit puudu kümme."},
                                      {10, 50, "Kell on kümme minutit puudu üksteist."},
                                      {11, 50, "Kell on kümme minutit puudu kaksteist."},
                                      {12, 50, "Kell on kümme minutit puudu üks."},
                                      {13, 50, "Kell on kümme minutit puudu kaks."},
                                      {14, 50, "Kell on kümme minutit puudu kolm."},
                                      {15, 50, "Kell on kümme minutit puudu neli."},
                                      {16, 50, "Kell on kümme minutit puudu viis."},
                                      {17, 50, "Kell on kümme minutit puudu kuus."},
                                      {18, 50, "Kell on kümme minutit puudu seitse."},
                                      {19, 50, "Kell on kümme minutit puudu kaheksa."},
                                      {20, 50, "Kell on kümme minutit puudu üheksa."},
                                      {21, 50, "Kell on kümme minutit puudu kümme."},
                                      {22, 50, "Kell on kümme minutit puudu üksteist."},
                                      {23, 50, "Kell on kümme minutit puudu kaksteist."},
                                  });
}

} // namespace
} // namespace ql::voice::coverage
