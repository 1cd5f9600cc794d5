// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceImageHelpers.h"

#include <QPainter>
#include <cmath>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

namespace ql {
namespace {

using namespace ql::testing;

const ClockData& data() {
    return clockData();
}

struct ListShape {
    const char* name;
    const ImageList& (*list)();
    std::vector<QSize> sizes;
};

std::vector<QSize> repeat(QSize size, int n) {
    return std::vector<QSize>(std::size_t(n), size);
}

std::vector<ListShape> shapes() {
    return {
        {"HrMinList", []() -> const ImageList& { return data().HrMinList; }, repeat({31, 47}, 11)},
        {"SecList", []() -> const ImageList& { return data().SecList; }, repeat({22, 33}, 11)},
        {"MSList", []() -> const ImageList& { return data().MSList; }, repeat({14, 21}, 11)},
        {"MiscList",
         []() -> const ImageList& { return data().MiscList; },
         {{26, 13},  {26, 13}, {23, 13}, {26, 13}, {24, 13}, {20, 13}, {23, 13}, {19, 11},
          {19, 11},  {13, 15}, {28, 9},  {13, 29}, {27, 11}, {26, 24}, {26, 13}, {292, 130},
          {150, 40}, {7, 19},  {7, 19},  {7, 19},  {4, 21},  {4, 21}}},
    };
}

TEST(ClockData, EveryListHasItsCountAndSizes) {
    for (const ListShape& shape : shapes()) {
        SCOPED_TRACE(shape.name);
        const ImageList& list = shape.list();
        ASSERT_EQ(list.count(), int(shape.sizes.size()));
        for (int i = 0; i < list.count(); ++i)
            EXPECT_EQ(list.size(i), shape.sizes[i]) << i;
    }
}

TEST(ClockData, BlanksArePureFaceColour) {
    for (int index : {13, 14, 19, 21}) {
        const QImage image = render(data().MiscList, index);
        EXPECT_TRUE(allPixels(image, image.rect(), kFace)) << index;
    }
}

// A blank digit is an unlit 8: every segment faintly there, none in ink. The hour and minute
// blank only shows in the 12-hour tens cell, where it is an unlit 1 (see below).
TEST(ClockData, BlankDigitsAreUnlitEights) {
    for (const ImageList* list : {&data().SecList, &data().MSList}) {
        const QImage blank = render(*list, 10);
        EXPECT_EQ(inkCount(blank, blank.rect()), 0) << qPrintable(list->name());
        EXPECT_FALSE(allPixels(blank, QRect(0, 0, 8, blank.height()), kFace))
            << qPrintable(list->name()) << ": no unlit left segments";
        EXPECT_FALSE(allPixels(blank, QRect(8, 0, blank.width() - 8, blank.height()), kFace))
            << qPrintable(list->name()) << ": no unlit right segments";
    }
}

// Neighbouring digit cells overlap by two columns, and the last row lies on the weekday strip:
// there every digit shows bare glass, so the neighbour drawn later leaves no seam.
TEST(ClockData, DigitsAreBareGlassWhereCellsOverlap) {
    for (const ImageList* list : {&data().HrMinList, &data().SecList})
        for (int d = 0; d <= 10; ++d) {
            const QImage image = render(*list, d);
            const int w = image.width(), h = image.height();
            EXPECT_TRUE(allPixels(image, QRect(0, 0, 2, h), kFace)) << d;
            EXPECT_TRUE(allPixels(image, QRect(w - 2, 0, 2, h), kFace)) << d;
            EXPECT_TRUE(allPixels(image, QRect(0, h - 1, w, 1), kFace)) << d;
        }
}

// Scaled desktops get pictures drawn at their density, of the same logical size.
TEST(ClockData, EveryImageHasSharpScaledVersions) {
    for (const ImageList* list :
         {&data().HrMinList, &data().SecList, &data().MSList, &data().MiscList})
        for (int i = 0; i < list->count(); ++i)
            for (const auto& [suffix, scale] : {std::pair{"@1.5x", 1.5}, std::pair{"@2x", 2.0}}) {
                const QImage image(
                    QStringLiteral(":/images/%1/%2%3.png").arg(list->name()).arg(i).arg(suffix));
                const QSize expected(qRound(list->size(i).width() * scale),
                                     qRound(list->size(i).height() * scale));
                EXPECT_EQ(image.size(), expected) << qPrintable(list->name()) << i << suffix;
            }
}

// The stored images themselves, not the list's opaque copies: a transparent pixel would
// show whatever the face had there before.
TEST(ClockData, DigitImagesAreOpaqueAndDistinct) {
    for (const char* name : {"HrMinList", "SecList", "MSList"}) {
        std::vector<QImage> digits;
        for (int d = 0; d <= 10; ++d) {
            SCOPED_TRACE(QStringLiteral("%1/%2").arg(name).arg(d).toStdString());
            const QImage image(QStringLiteral(":/images/%1/%2.png").arg(name).arg(d));
            ASSERT_FALSE(image.isNull());
            const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
            for (int y = 0; y < argb.height(); ++y)
                for (int x = 0; x < argb.width(); ++x)
                    ASSERT_EQ(qAlpha(argb.pixel(x, y)), 255);
            for (const QImage& earlier : digits)
                EXPECT_NE(argb, earlier);
            digits.push_back(argb);
        }
    }
}

// In 12-hour mode the AM/PM marks and their plain blank are drawn over the left part of the
// hour's tens cell, which shows the 1 or the blank. Anything of theirs there but glass would be
// cut by the marks: a half digit.
TEST(ClockData, HourTensPicturesAreBareGlassUnderTheAmPmMarks) {
    for (const auto& [suffix, scale] :
         {std::pair{"", 1.0}, std::pair{"@1.5x", 1.5}, std::pair{"@2x", 2.0}})
        for (int index : {1, 10}) {
            SCOPED_TRACE(QStringLiteral("HrMinList/%1%2").arg(index).arg(suffix).toStdString());
            const QImage image =
                QImage(QStringLiteral(":/images/HrMinList/%1%2.png").arg(index).arg(suffix))
                    .convertToFormat(QImage::Format_RGB32);
            ASSERT_FALSE(image.isNull());
            const int left = int(21 * scale), right = int(std::ceil(28 * scale));
            EXPECT_TRUE(allPixels(image, QRect(0, 0, left, image.height()), kFace));
            EXPECT_TRUE(
                allPixels(image, QRect(right, 0, image.width() - right, image.height()), kFace));
            EXPECT_FALSE(allPixels(image, QRect(left, 0, right - left, image.height()), kFace));
        }
    EXPECT_EQ(inkCount(render(data().HrMinList, 10), QRect(0, 0, 31, 47)), 0);
    const QImage one = render(data().HrMinList, 1);
    int ink = 0;
    for (int y = 0; y < 47; ++y)
        for (int x = 21; x <= 27; ++x)
            ink += isInk(one.pixel(x, y));
    EXPECT_GT(ink, 47); // two strokes, most of the cell high
}

// Both backgrounds must show the face colour wherever an image of their layout can lie, or the
// opaque face images would sit on them as visible patches. In the indicator box that is where
// the indicators, their blanks and the DATE label go.
TEST(ClockData, BackgroundsAreFlatGlassUnderEveryImage) {
    const QImage big = render(data().MiscList, 15);
    const QRect bigImages[] = {{21, 36, 31, 47},  {50, 36, 31, 47},  {81, 43, 9, 33},
                               {92, 36, 31, 47},  {121, 36, 31, 47}, {153, 50, 22, 33},
                               {173, 50, 22, 33}, {166, 16, 14, 21}, {180, 16, 14, 21},
                               {18, 46, 22, 33},  {22, 20, 32, 13},  {54, 16, 26, 19},
                               {137, 16, 26, 11}, {21, 82, 174, 13}};
    for (const QRect& box : bigImages)
        EXPECT_TRUE(allPixels(big, box, kFace)) << box.x() << "," << box.y();
    const QImage small = render(data().MiscList, 16);
    EXPECT_TRUE(allPixels(small, QRect(9, 10, 80, 21), kFace));
}

TEST(ClockData, ClockFaceIconMeetsTheTrayRules) {
    const QImage icon = ClockData::clockFaceIcon();
    ASSERT_EQ(icon.size(), QSize(16, 16));
    for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
        EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
    for (int y = 7; y <= 8; ++y)
        for (int x = 7; x <= 8; ++x)
            EXPECT_EQ(icon.pixel(x, y), qRgb(0, 0, 0));
    for (const QPoint p : {QPoint(5, 5), QPoint(10, 5), QPoint(5, 10), QPoint(10, 10), QPoint(8, 5),
                           QPoint(6, 8), QPoint(9, 8), QPoint(8, 10)})
        EXPECT_EQ(icon.pixel(p), qRgb(255, 255, 255)) << p.x() << "," << p.y();
    // Tray code keys out the key colour after laying the face over it: a face pixel in that
    // colour would vanish, a half-transparent one would come out tinted.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb c = icon.pixel(x, y);
            EXPECT_TRUE(qAlpha(c) == 0 || qAlpha(c) == 255) << x << "," << y;
            if (qAlpha(c) > 0) {
                EXPECT_NE(qRgb(qRed(c), qGreen(c), qBlue(c)), qRgb(0, 128, 0));
            }
        }
}

TEST(ImageList, DrawsOpaqueAtThePositionGiven) {
    QImage canvas(40, 30, QImage::Format_ARGB32);
    canvas.fill(Qt::transparent);
    QPainter painter(&canvas);
    data().MiscList.draw(painter, 14, 5, 4); // 26 x 13 blank
    painter.end();
    EXPECT_TRUE(allPixels(canvas, QRect(5, 4, 26, 13), kFace));
    EXPECT_EQ(canvas.pixel(4, 4), 0u);
    EXPECT_EQ(canvas.pixel(31, 16), 0u);
    EXPECT_EQ(canvas.pixel(5, 17), 0u);
}

TEST(ImageList, IndexOutsideTheListThrowsAndDrawsNothing) {
    QImage canvas(300, 140, QImage::Format_RGB32);
    canvas.fill(Qt::red);
    QPainter painter(&canvas);
    for (const ListShape& shape : shapes()) {
        const ImageList& list = shape.list();
        for (int index : {-1, list.count(), list.count() + 5}) {
            EXPECT_THROW(list.draw(painter, index, 0, 0), std::out_of_range) << shape.name;
            EXPECT_THROW(list.size(index), std::out_of_range) << shape.name;
        }
    }
    painter.end();
    EXPECT_TRUE(allPixels(canvas, canvas.rect(), qRgb(255, 0, 0)));
}

TEST(ImageList, MissingImagesLeaveAnEmptyListWhoseDrawsThrow) {
    const ImageList missing(QStringLiteral("NoSuchList"), 3);
    EXPECT_EQ(missing.count(), 0);
    QImage canvas(4, 4, QImage::Format_RGB32);
    QPainter painter(&canvas);
    EXPECT_THROW(missing.draw(painter, 0, 0, 0), std::out_of_range);
}

} // namespace
} // namespace ql
