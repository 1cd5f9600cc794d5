// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

namespace ql::voice::coverage {
namespace {

TEST(SlovenianCoverage, Minutes) {
    expectSentences(slovenianTime, {
                                       {2, 0, "Ura je dve."},
                                       {2, 1, "Ura je ena minuta čez dve."},
                                       {2, 2, "Ura je dve minuti čez dve."},
                                       {2, 3, "Ura je tri minute čez dve."},
                                       {2, 4, "Ura je štiri minute čez dve."},
                                       {2, 5, "Ura je pet čez dve."},
                                       {2, 6, "Ura je šest minut čez dve."},
                                       {2, 7, "Ura je sedem minut čez dve."},
                                       {2, 8, "Ura je osem minut čez dve."},
                                       {2, 9, "Ura je devet minut čez dve."},
                                       {2, 10, "Ura je deset čez dve."},
                                       {2, 11, "Ura je enajst minut čez dve."},
                                       {2, 12, "Ura je dvanajst minut čez dve."},
                                       {2, 13, "Ura je trinajst minut čez dve."},
                                       {2, 14, "Ura je štirinajst minut čez dve."},
                                       {2, 15, "Ura je četrt čez dve."},
                                       {2, 16, "Ura je šestnajst minut čez dve."},
                                       {2, 17, "Ura je sedemnajst minut čez dve."},
                                       {2, 18, "Ura je osemnajst minut čez dve."},
                                       {2, 19, "Ura je devetnajst minut čez dve."},
                                       {2, 20, "Ura je dvajset čez dve."},
                                       {2, 21, "Ura je devet minut do pol treh."},
                                       {2, 22, "Ura je osem minut do pol treh."},
                                       {2, 23, "Ura je sedem minut do pol treh."},
                                       {2, 24, "Ura je šest minut do pol treh."},
                                       {2, 25, "Ura je pet do pol treh."},
                                       {2, 26, "Ura je štiri minute do pol treh."},
                                       {2, 27, "Ura je tri minute do pol treh."},
                                       {2, 28, "Ura je dve minuti do pol treh."},
                                       {2, 29, "Ura je ena minuta do pol treh."},
                                       {2, 30, "Ura je pol treh."},
                                       {2, 31, "Ura je ena minuta čez pol treh."},
                                       {2, 32, "Ura je dve minuti čez pol treh."},
                                       {2, 33, "Ura je tri minute čez pol treh."},
                                       {2, 34, "Ura je štiri minute čez pol treh."},
                                       {2, 35, "Ura je pet čez pol treh."},
                                       {2, 36, "Ura je šest minut čez pol treh."},
                                       {2, 37, "Ura je sedem minut čez pol treh."},
                                       {2, 38, "Ura je osem minut čez pol treh."},
                                       {2, 39, "Ura je devet minut čez pol treh."},
                                       {2, 40, "Ura je dvajset do treh."},
                                       {2, 41, "Ura je devetnajst minut do treh."},
                                       {2, 42, "Ura je osemnajst minut do treh."},
                                       {2, 43, "Ura je sedemnajst minut do treh."},
                                       {2, 44, "Ura je šestnajst minut do treh."},
                                       {2, 45, "Ura je četrt do treh."},
                                       {2, 46, "Ura je štirinajst minut do treh."},
                                       {2, 47, "Ura je trinajst minut do treh."},
                                       {2, 48, "Ura je dvanajst minut do treh."},
                                       {2, 49, "Ura je enajst minut do treh."},
                                       {2, 50, "Ura je deset do treh."},
                                       {2, 51, "Ura je devet minut do treh."},
                                       {2, 52, "Ura je osem minut do treh."},
                                       {2, 53, "Ura je sedem minut do treh."},
                                       {2, 54, "Ura je šest minut do treh."},
                                       {2, 55, "Ura je pet do treh."},
                                       {2, 56, "Ura je štiri minute do treh."},
                                       {2, 57, "Ura je tri minute do treh."},
                                       {2, 58, "Ura je dve minuti do treh."},
                                       {2, 59, "Ura je ena minuta do treh."},
                                   });
}

TEST(SlovenianCoverage, HoursOnTheHour) {
    expectSentences(
        slovenianTime,
        {
            {0, 0, "Je polnoč."},     {1, 0, "Ura je ena."},    {2, 0, "Ura je dve."},
            {3, 0, "Ura je tri."},    {4, 0, "Ura je štiri."},  {5, 0, "Ura je pet."},
            {6, 0, "Ura je šest."},   {7, 0, "Ura je sedem."},  {8, 0, "Ura je osem."},
            {9, 0, "Ura je devet."},  {10, 0, "Ura je deset."}, {11, 0, "Ura je enajst."},
            {12, 0, "Je poldne."},    {13, 0, "Ura je ena."},   {14, 0, "Ura je dve."},
            {15, 0, "Ura je tri."},   {16, 0, "Ura je štiri."}, {17, 0, "Ura je pet."},
            {18, 0, "Ura je šest."},  {19, 0, "Ura je sedem."}, {20, 0, "Ura je osem."},
            {21, 0, "Ura je devet."}, {22, 0, "Ura je deset."}, {23, 0, "Ura je enajst."},
        });
}

// "čez" takes the accusative, which differs from the nominative only for one.
TEST(SlovenianCoverage, HoursPastTheHour) {
    expectSentences(
        slovenianTime,
        {
            {0, 10, "Ura je deset čez dvanajst."},  {1, 10, "Ura je deset čez eno."},
            {2, 10, "Ura je deset čez dve."},       {3, 10, "Ura je deset čez tri."},
            {4, 10, "Ura je deset čez štiri."},     {5, 10, "Ura je deset čez pet."},
            {6, 10, "Ura je deset čez šest."},      {7, 10, "Ura je deset čez sedem."},
            {8, 10, "Ura je deset čez osem."},      {9, 10, "Ura je deset čez devet."},
            {10, 10, "Ura je deset čez deset."},    {11, 10, "Ura je deset čez enajst."},
            {12, 10, "Ura je deset čez dvanajst."}, {13, 10, "Ura je deset čez eno."},
            {14, 10, "Ura je deset čez dve."},      {15, 10, "Ura je deset čez tri."},
            {16, 10, "Ura je deset čez štiri."},    {17, 10, "Ura je deset čez pet."},
            {18, 10, "Ura je deset čez šest."},     {19, 10, "Ura je deset čez sedem."},
            {20, 10, "Ura je deset čez osem."},     {21, 10, "Ura je deset čez devet."},
            {22, 10, "Ura je deset čez deset."},    {23, 10, "Ura je deset čez enajst."},
        });
}

// The half names the coming hour in the genitive.
TEST(SlovenianCoverage, HoursAtTheHalf) {
    expectSentences(slovenianTime,
                    {
                        {0, 30, "Ura je pol enih."},      {1, 30, "Ura je pol dveh."},
                        {2, 30, "Ura je pol treh."},      {3, 30, "Ura je pol štirih."},
                        {4, 30, "Ura je pol petih."},     {5, 30, "Ura je pol šestih."},
                        {6, 30, "Ura je pol sedmih."},    {7, 30, "Ura je pol osmih."},
                        {8, 30, "Ura je pol devetih."},   {9, 30, "Ura je pol desetih."},
                        {10, 30, "Ura je pol enajstih."}, {11, 30, "Ura je pol dvanajstih."},
                        {12, 30, "Ura je pol enih."},     {13, 30, "Ura je pol dveh."},
                        {14, 30, "Ura je pol treh."},     {15, 30, "Ura je pol štirih."},
                        {16, 30, "Ura je pol petih."},    {17, 30, "Ura je pol šestih."},
                        {18, 30, "Ura je pol sedmih."},   {19, 30, "Ura je pol osmih."},
                        {20, 30, "Ura je pol devetih."},  {21, 30, "Ura je pol desetih."},
                        {22, 30, "Ura je pol enajstih."}, {23, 30, "Ura je pol dvanajstih."},
                    });
}

TEST(SlovenianCoverage, HoursBeforeTheNext) {
    expectSentences(slovenianTime,
                    {
                        {0, 55, "Ura je pet do enih."},      {1, 55, "Ura je pet do dveh."},
                        {2, 55, "Ura je pet do treh."},      {3, 55, "Ura je pet do štirih."},
                        {4, 55, "Ura je pet do petih."},     {5, 55, "Ura je pet do šestih."},
                        {6, 55, "Ura je pet do sedmih."},    {7, 55, "Ura je pet do osmih."},
                        {8, 55, "Ura je pet do devetih."},   {9, 55, "Ura je pet do desetih."},
                        {10, 55, "Ura je pet do enajstih."}, {11, 55, "Ura je pet do dvanajstih."},
                        {12, 55, "Ura je pet do enih."},     {13, 55, "Ura je pet do dveh."},
                        {14, 55, "Ura je pet do treh."},     {15, 55, "Ura je pet do štirih."},
                        {16, 55, "Ura je pet do petih."},    {17, 55, "Ura je pet do šestih."},
                        {18, 55, "Ura je pet do sedmih."},   {19, 55, "Ura je pet do osmih."},
                        {20, 55, "Ura je pet do devetih."},  {21, 55, "Ura je pet do desetih."},
                        {22, 55, "Ura je pet do enajstih."}, {23, 55, "Ura je pet do dvanajstih."},
                    });
}

} // namespace
} // namespace ql::voice::coverage
