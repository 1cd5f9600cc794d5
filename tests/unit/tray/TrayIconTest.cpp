// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/ClockData.h"
#include "tray/TrayIconPainter.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>
#include <utility>

QT_BEGIN_NAMESPACE
void PrintTo(const QPoint& p, std::ostream* os) {
    *os << "(" << p.x() << ", " << p.y() << ")";
}
QT_END_NAMESPACE

namespace ql {
namespace {

using namespace TrayIconPainter;

struct HandCase {
    int hour, minute;
    QPoint hourEnd, minuteEnd;
};

// Every end point the icon is known by, the exact-half cases included.
const HandCase kHands[] = {
    {12, 0, {8, 3}, {8, 1}},   {0, 0, {8, 3}, {8, 1}},    {3, 0, {13, 8}, {8, 1}},
    {6, 0, {8, 13}, {8, 1}},   {9, 0, {3, 8}, {8, 1}},    {1, 0, {11, 4}, {8, 1}},
    {2, 0, {12, 6}, {8, 1}},   {4, 0, {12, 11}, {8, 1}},  {5, 0, {10, 12}, {8, 1}},
    {7, 0, {5, 12}, {8, 1}},   {10, 0, {4, 5}, {8, 1}},   {11, 0, {6, 4}, {8, 1}},
    {13, 0, {11, 4}, {8, 1}},  {22, 0, {4, 5}, {8, 1}},   {16, 0, {12, 11}, {8, 1}},
    {10, 10, {4, 5}, {14, 5}}, {0, 5, {8, 3}, {12, 2}},   {0, 15, {9, 3}, {15, 8}},
    {0, 20, {9, 3}, {14, 12}}, {0, 25, {9, 3}, {11, 14}}, {0, 30, {9, 3}, {8, 15}},
    {0, 35, {10, 3}, {4, 14}}, {0, 40, {10, 3}, {2, 11}}, {0, 45, {10, 3}, {1, 8}},
    {0, 50, {10, 3}, {2, 4}},  {0, 55, {10, 4}, {5, 2}},
};

TEST(TrayIcon, HandsEndWhereTheTableSays) {
    for (const HandCase& c : kHands) {
        EXPECT_EQ(hourHandEnd(c.hour, c.minute), c.hourEnd) << c.hour << ":" << c.minute;
        EXPECT_EQ(minuteHandEnd(c.minute), c.minuteEnd) << c.hour << ":" << c.minute;
    }
}

TEST(TrayIcon, EightOClockHalfCaseGivesOneOfTheTwoAcceptedPoints) {
    for (int hour : {8, 20}) {
        const QPoint end = hourHandEnd(hour, 0);
        EXPECT_TRUE(end == QPoint(4, 10) || end == QPoint(4, 11)) << hour;
    }
}

std::set<std::pair<int, int>> inked(const QImage& image) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == 0xFF000000) pixels.insert({x, y});
    return pixels;
}

TEST(TrayIcon, LinesStopOnePixelShortOfTheirEnd) {
    struct {
        QPoint to;
        std::set<std::pair<int, int>> pixels;
    } const cases[] = {
        {{8, 3}, {{8, 8}, {8, 7}, {8, 6}, {8, 5}, {8, 4}}},
        {{15, 8}, {{8, 8}, {9, 8}, {10, 8}, {11, 8}, {12, 8}, {13, 8}, {14, 8}}},
        {{5, 11}, {{8, 8}, {7, 9}, {6, 10}}},
        {{8, 8}, {}},
    };
    for (const auto& c : cases) {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::white);
        drawLineExcludingEnd(image, kCentre, c.to, 0xFF000000);
        EXPECT_EQ(inked(image), c.pixels) << c.to.x() << "," << c.to.y();
    }
}

// The pixels the hands add to the face (its black centre aside), read off the icons drawn at
// 16x16 and checked against the lines from the centre to the ends in kHands, ends left out.
TEST(TrayIcon, RenderedIconHasBlackHandsOverTheUntouchedFace) {
    struct {
        int hour, minute;
        std::set<std::pair<int, int>> hands;
    } const cases[] = {
        {3, 0, {{8, 2}, {8, 3}, {8, 4}, {8, 5}, {8, 6}, {9, 8}, {10, 8}, {11, 8}, {12, 8}}},
        {10, 10, {{13, 5}, {5, 6}, {6, 6}, {11, 6}, {12, 6}, {9, 7}, {10, 7}}},
        {0, 35, {{10, 4}, {9, 5}, {9, 6}, {7, 9}, {7, 10}, {6, 11}, {5, 12}, {5, 13}}},
    };
    const QImage face = ClockData::clockFaceIcon();
    ASSERT_EQ(face.size(), QSize(16, 16));
    for (const auto& c : cases) {
        const QImage icon = paint(face, c.hour, c.minute);
        ASSERT_EQ(icon.size(), QSize(16, 16));
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const QRgb want = c.hands.count({x, y}) ? 0xFF000000 : face.pixel(x, y);
                const QRgb got = icon.pixel(x, y);
                if (qAlpha(want) == 0)
                    EXPECT_EQ(qAlpha(got), 0) << x << "," << y;
                else
                    EXPECT_EQ(got, want) << c.hour << ":" << c.minute << " at " << x << "," << y;
            }
        for (const QPoint corner : {QPoint(0, 0), QPoint(15, 0), QPoint(0, 15), QPoint(15, 15)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
    }
}

TEST(TrayIcon, OnlyTheKeyColourTurnsTransparent) {
    QImage face(16, 16, QImage::Format_ARGB32);
    face.fill(qRgb(0, 128, 0));
    face.setPixel(2, 2, qRgb(0, 129, 0));
    face.setPixel(3, 3, qRgba(0, 0, 0, 0));
    const QImage icon = paint(face, 0, 0);
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(3, 3)), 0);
    EXPECT_EQ(icon.pixel(2, 2), qRgb(0, 129, 0));
    EXPECT_EQ(icon.pixel(8, 8), qRgb(0, 0, 0)); // hands are drawn before the key is applied
}

} // namespace
} // namespace ql
