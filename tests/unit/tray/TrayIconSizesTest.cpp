// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/ClockData.h"
#include "tray/TrayIconDrawing.h"
#include "tray/TrayIconPainter.h"

#include <QPixmap>
#include <gtest/gtest.h>

#include <QDir>

#include <cstdio>
#include <cstdlib>

// Golden pictures: tests/golden/tray-icon-<size>-<hhmm>.png, written on purpose (see
// tests/golden/README.md) with
//   QL_WRITE_GOLDENS=1 build/tests/test_tray --gtest_filter='TrayIconSizes.*'
// Unlike the face, the icon keeps its alpha channel, and antialiased edges may differ by a
// rounding step or two on another CPU's blending code.

namespace ql {
namespace {

struct Time {
    int hour, minute;
};
const Time kTimes[] = {{10, 10}, {19, 35}};

QString goldenPath(int size, Time t) {
    return QStringLiteral(QL_GOLDEN_DIR "/tray-icon-%1-%2%3.png")
        .arg(size)
        .arg(t.hour, 2, 10, QChar('0'))
        .arg(t.minute, 2, 10, QChar('0'));
}

// The largest difference of any channel of any pixel; images of different sizes differ by 256.
int largestDifference(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return 256;
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (const int shift : {0, 8, 16, 24})
                worst =
                    std::max(worst, std::abs(int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF)));
        }
    return worst;
}

TEST(TrayIconSizes, EachSizeMatchesItsGoldenPicture) {
    const bool write = qEnvironmentVariableIntValue("QL_WRITE_GOLDENS");
    for (const int size : TrayIconDrawing::kSizes)
        for (const Time t : kTimes) {
            const QImage drawn = TrayIconDrawing::paint(size, t.hour, t.minute);
            if (write) {
                ADD_FAILURE() << (drawn.save(goldenPath(size, t)) ? "wrote " : "could not write ")
                              << goldenPath(size, t).toStdString();
                continue;
            }
            const QImage golden(goldenPath(size, t));
            ASSERT_FALSE(golden.isNull()) << goldenPath(size, t).toStdString();
            EXPECT_LE(largestDifference(drawn, golden.convertToFormat(QImage::Format_ARGB32)), 2)
                << goldenPath(size, t).toStdString();
        }
}

// The 12 o'clock mark is whole pixels of its colour with white beside it: the drawing is made
// at each size, never scaled from another.
TEST(TrayIconSizes, HourMarksSitOnWholePixels) {
    struct {
        int size;
        QRect mark;
    } const cases[] = {
        {22, {10, 3, 2, 2}}, {24, {11, 3, 2, 2}}, {32, {14, 4, 4, 4}}, {48, {21, 6, 6, 6}}};
    for (const auto& c : cases) {
        const QImage icon = TrayIconDrawing::paint(c.size, 7, 35); // both hands below
        for (int y = c.mark.top(); y <= c.mark.bottom(); ++y)
            for (int x = c.mark.left(); x <= c.mark.right(); ++x)
                EXPECT_EQ(icon.pixel(x, y), 0xFF0040E0u) << c.size << ": " << x << "," << y;
        EXPECT_EQ(icon.pixel(c.mark.left() - 1, c.mark.top()), 0xFFFFFFFFu) << c.size;
        EXPECT_EQ(icon.pixel(c.mark.right() + 1, c.mark.bottom()), 0xFFFFFFFFu) << c.size;
        EXPECT_EQ(icon.pixel(c.mark.left(), c.mark.bottom() + 1), 0xFFFFFFFFu) << c.size;
    }
}

TEST(TrayIconSizes, TheIconOffersEverySizeAndKeepsTheBitmapAtSixteen) {
    const QImage bitmap = TrayIconPainter::paint(ClockData::clockFaceIcon(), 10, 10);
    const QIcon icon = TrayIconDrawing::icon(bitmap, 10, 10);
    const QList<QSize> expected{{16, 16}, {22, 22}, {24, 24}, {32, 32}, {48, 48}};
    EXPECT_EQ(icon.availableSizes(), expected);
    EXPECT_EQ(icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32), bitmap);
    EXPECT_EQ(icon.pixmap(48, 48).toImage().convertToFormat(QImage::Format_ARGB32),
              TrayIconDrawing::paint(48, 10, 10));
}

int threadCount() {
    return static_cast<int>(
        QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

// The icon is redrawn every minute: a worker thread started for it is a wake-up of the idle
// clock. Run in a fresh process, where no earlier test has left idle pool threads to reuse.
TEST(TrayIconSizesDeathTest, DrawingTheIconStartsNoThread) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const int before = threadCount();
            const QImage bitmap = TrayIconPainter::paint(ClockData::clockFaceIcon(), 10, 10);
            for (const Time t : kTimes)
                (void)TrayIconDrawing::icon(bitmap, t.hour, t.minute);
            std::fprintf(stderr, "threads: %d before, %d after", before, threadCount());
            std::exit(threadCount() == before ? 0 : 1);
        },
        testing::ExitedWithCode(0), "threads: ");
}

} // namespace
} // namespace ql
