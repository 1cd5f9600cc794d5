// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twelve-hour clock: minutes under ten are read "oh five", the hour alone takes "o'clock", and
// midnight and noon replace twelve o'clock.
namespace ql::voice::coverage {
namespace {

TEST(EnglishCoverage, Minutes) {
    expectSentences(englishTime,
                    {
                        {14, 0, "It's two o'clock."},       {14, 1, "It's two oh one."},
                        {14, 2, "It's two oh two."},        {14, 3, "It's two oh three."},
                        {14, 4, "It's two oh four."},       {14, 5, "It's two oh five."},
                        {14, 6, "It's two oh six."},        {14, 7, "It's two oh seven."},
                        {14, 8, "It's two oh eight."},      {14, 9, "It's two oh nine."},
                        {14, 10, "It's two ten."},          {14, 11, "It's two eleven."},
                        {14, 12, "It's two twelve."},       {14, 13, "It's two thirteen."},
                        {14, 14, "It's two fourteen."},     {14, 15, "It's two fifteen."},
                        {14, 16, "It's two sixteen."},      {14, 17, "It's two seventeen."},
                        {14, 18, "It's two eighteen."},     {14, 19, "It's two nineteen."},
                        {14, 20, "It's two twenty."},       {14, 21, "It's two twenty-one."},
                        {14, 22, "It's two twenty-two."},   {14, 23, "It's two twenty-three."},
                        {14, 24, "It's two twenty-four."},  {14, 25, "It's two twenty-five."},
                        {14, 26, "It's two twenty-six."},   {14, 27, "It's two twenty-seven."},
                        {14, 28, "It's two twenty-eight."}, {14, 29, "It's two twenty-nine."},
                        {14, 30, "It's two thirty."},       {14, 31, "It's two thirty-one."},
                        {14, 32, "It's two thirty-two."},   {14, 33, "It's two thirty-three."},
                        {14, 34, "It's two thirty-four."},  {14, 35, "It's two thirty-five."},
                        {14, 36, "It's two thirty-six."},   {14, 37, "It's two thirty-seven."},
                        {14, 38, "It's two thirty-eight."}, {14, 39, "It's two thirty-nine."},
                        {14, 40, "It's two forty."},        {14, 41, "It's two forty-one."},
                        {14, 42, "It's two forty-two."},    {14, 43, "It's two forty-three."},
                        {14, 44, "It's two forty-four."},   {14, 45, "It's two forty-five."},
                        {14, 46, "It's two forty-six."},    {14, 47, "It's two forty-seven."},
                        {14, 48, "It's two forty-eight."},  {14, 49, "It's two forty-nine."},
                        {14, 50, "It's two fifty."},        {14, 51, "It's two fifty-one."},
                        {14, 52, "It's two fifty-two."},    {14, 53, "It's two fifty-three."},
                        {14, 54, "It's two fifty-four."},   {14, 55, "It's two fifty-five."},
                        {14, 56, "It's two fifty-six."},    {14, 57, "It's two fifty-seven."},
                        {14, 58, "It's two fifty-eight."},  {14, 59, "It's two fifty-nine."},
                    });
}

TEST(EnglishCoverage, HoursOClock) {
    expectSentences(englishTime,
                    {
                        {0, 0, "It's midnight."},       {1, 0, "It's one o'clock."},
                        {2, 0, "It's two o'clock."},    {3, 0, "It's three o'clock."},
                        {4, 0, "It's four o'clock."},   {5, 0, "It's five o'clock."},
                        {6, 0, "It's six o'clock."},    {7, 0, "It's seven o'clock."},
                        {8, 0, "It's eight o'clock."},  {9, 0, "It's nine o'clock."},
                        {10, 0, "It's ten o'clock."},   {11, 0, "It's eleven o'clock."},
                        {12, 0, "It's noon."},          {13, 0, "It's one o'clock."},
                        {14, 0, "It's two o'clock."},   {15, 0, "It's three o'clock."},
                        {16, 0, "It's four o'clock."},  {17, 0, "It's five o'clock."},
                        {18, 0, "It's six o'clock."},   {19, 0, "It's seven o'clock."},
                        {20, 0, "It's eight o'clock."}, {21, 0, "It's nine o'clock."},
                        {22, 0, "It's ten o'clock."},   {23, 0, "It's eleven o'clock."},
                    });
}

// Past midnight and noon the hour is twelve again, never zero.
TEST(EnglishCoverage, HoursWithMinutes) {
    expectSentences(englishTime,
                    {
                        {0, 5, "It's twelve oh five."},  {1, 5, "It's one oh five."},
                        {2, 5, "It's two oh five."},     {3, 5, "It's three oh five."},
                        {4, 5, "It's four oh five."},    {5, 5, "It's five oh five."},
                        {6, 5, "It's six oh five."},     {7, 5, "It's seven oh five."},
                        {8, 5, "It's eight oh five."},   {9, 5, "It's nine oh five."},
                        {10, 5, "It's ten oh five."},    {11, 5, "It's eleven oh five."},
                        {12, 5, "It's twelve oh five."}, {13, 5, "It's one oh five."},
                        {14, 5, "It's two oh five."},    {15, 5, "It's three oh five."},
                        {16, 5, "It's four oh five."},   {17, 5, "It's five oh five."},
                        {18, 5, "It's six oh five."},    {19, 5, "It's seven oh five."},
                        {20, 5, "It's eight oh five."},  {21, 5, "It's nine oh five."},
                        {22, 5, "It's ten oh five."},    {23, 5, "It's eleven oh five."},
                    });
}

} // namespace
} // namespace ql::voice::coverage
