// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceImageHelpers.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

using namespace ql::testing;

enum class Ink { None, Some };

// Where an item's ink may go follows from the paint boxes it is drawn into: neighbouring
// digit boxes overlap by two columns and touch the weekday strip with their last row, the
// colon and the DATE label are clipped, weekday names sit in 25-pixel slots, and the small
// face's A and P marks use the upper and lower half.
struct Region {
    const char* what;
    const ImageList& (*list)();
    int first;
    int last;
    QRect area;
    Ink ink;
};

const ImageList& hrMin() {
    return clockData().HrMinList;
}
const ImageList& sec() {
    return clockData().SecList;
}
const ImageList& misc() {
    return clockData().MiscList;
}

const Region kRegions[] = {
    {"hour/minute digits, left overlap", hrMin, 0, 9, {0, 0, 2, 47}, Ink::None},
    {"hour/minute digits, right overlap", hrMin, 0, 9, {29, 0, 2, 47}, Ink::None},
    {"hour/minute digits, row on the weekday strip", hrMin, 0, 9, {0, 46, 31, 1}, Ink::None},
    {"second digits, left overlap", sec, 0, 9, {0, 0, 2, 33}, Ink::None},
    {"second digits, right overlap", sec, 0, 9, {20, 0, 2, 33}, Ink::None},
    {"second digits, row on the weekday strip", sec, 0, 9, {0, 32, 22, 1}, Ink::None},
    {"weekday names, beyond their slot", misc, 0, 6, {25, 0, 1, 13}, Ink::None},
    {"weekday names, in their slot", misc, 0, 6, {0, 0, 20, 13}, Ink::Some},
    {"AM/PM marks", misc, 7, 8, {0, 0, 19, 11}, Ink::Some},
    {"big colon, clipped columns", misc, 11, 11, {9, 0, 4, 29}, Ink::None},
    {"big colon, shown columns", misc, 11, 11, {0, 0, 9, 29}, Ink::Some},
    {"DATE label, clipped column", misc, 12, 12, {26, 0, 1, 11}, Ink::None},
    {"DATE label, shown columns", misc, 12, 12, {0, 0, 26, 11}, Ink::Some},
    {"small A mark, upper half", misc, 17, 17, {0, 0, 7, 10}, Ink::Some},
    {"small A mark, lower half", misc, 17, 17, {0, 10, 7, 9}, Ink::None},
    {"small P mark, upper half", misc, 18, 18, {0, 0, 7, 10}, Ink::None},
    {"small P mark, lower half", misc, 18, 18, {0, 10, 7, 9}, Ink::Some},
    {"lit small colon", misc, 20, 20, {0, 0, 4, 21}, Ink::Some},
    {"loudspeaker", misc, 9, 9, {0, 0, 13, 15}, Ink::Some},
    {"alarm indicator", misc, 10, 10, {0, 0, 28, 9}, Ink::Some},
};

TEST(FaceImageLayout, InkStaysWhereThePaintBoxesShowIt) {
    for (const Region& r : kRegions)
        for (int i = r.first; i <= r.last; ++i) {
            const QImage image = render(r.list(), i);
            QRect area = r.area;
            if (area.right() >= image.width()) area.setRight(image.width() - 1);
            if (r.ink == Ink::None)
                EXPECT_TRUE(allPixels(image, area, kFace)) << r.what << ", item " << i;
            else
                EXPECT_GT(inkCount(image, area), 0) << r.what << ", item " << i;
        }
}

// The face is a display, not decoration: every figure must be readable as itself.
TEST(FaceImageLayout, EveryDigitHasInkAndTheFigureEightCoversEveryOther) {
    for (const ImageList* list :
         {&clockData().HrMinList, &clockData().SecList, &clockData().MSList}) {
        const QImage eight = render(*list, 8);
        for (int d = 0; d <= 9; ++d) {
            const QImage digit = render(*list, d);
            const QRect all = digit.rect();
            EXPECT_GT(inkCount(digit, all), 0) << qPrintable(list->name()) << " " << d;
            int outside = 0;
            for (int y = 0; y < digit.height(); ++y)
                for (int x = 0; x < digit.width(); ++x)
                    outside += isInk(digit.pixel(x, y)) && !isInk(eight.pixel(x, y));
            EXPECT_EQ(outside, 0) << qPrintable(list->name()) << " " << d;
        }
    }
}

} // namespace
} // namespace ql
