// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/AppIcon.h"
#include "fakes/FakeDesktopDialogs.h"
#include "info/AboutWindow.h"

#include <QLabel>
#include <gtest/gtest.h>

namespace ql {
namespace {

QList<QSize> squares(std::initializer_list<int> sizes) {
    QList<QSize> result;
    for (int s : sizes)
        result.append(QSize(s, s));
    return result;
}

// True when every 2 x 2 block is one colour: a smaller picture enlarged by pixel doubling.
bool pixelDoubled(const QImage& image) {
    for (int y = 0; y + 1 < image.height(); y += 2)
        for (int x = 0; x + 1 < image.width(); x += 2) {
            const QRgb c = image.pixel(x, y);
            if (image.pixel(x + 1, y) != c || image.pixel(x, y + 1) != c ||
                image.pixel(x + 1, y + 1) != c)
                return false;
        }
    return true;
}

TEST(AppIcon, CarriesEverySizeAWindowManagerAsksFor) {
    EXPECT_EQ(AppIcon::icon().availableSizes(), squares({16, 22, 24, 32, 48, 64, 128}));
}

// The tray's clock at every size: transparent corners, a white face, the blue 12 o'clock mark
// and the black centre.
TEST(AppIcon, EachSizeIsTheClockDrawnAtThatSize) {
    for (int size : {16, 22, 24, 32, 48, 64, 128}) {
        const QImage image = AppIcon::pixmap(size).toImage();
        ASSERT_EQ(image.size(), QSize(size, size)) << size;
        const int mid = size / 2, unit = size / 16;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(image.pixel(mid, mid - 4 * unit), 0xFFFFFFFFu) << size;
        EXPECT_EQ(image.pixel(mid, mid), 0xFF000000u) << size;
        EXPECT_EQ(image.pixel(mid, size * 5 / 32), 0xFF0040E0u) << size;
        if (size > 16) {
            EXPECT_FALSE(pixelDoubled(image)) << size;
        }
    }
}

TEST(AppIcon, AboutWindowShowsTheIconDrawnAt32Pixels) {
    FakeDesktopDialogs desktop;
    Dialogs dialogs(desktop);
    AboutWindow about(nullptr, dialogs, "file:///opt/quorlan-lite/help/about.html");
    const auto* image = about.findChild<QLabel*>("Image1");
    ASSERT_TRUE(image);
    const QImage shown = image->pixmap().toImage();
    ASSERT_EQ(shown.size(), QSize(32, 32));
    EXPECT_FALSE(pixelDoubled(shown));
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    EXPECT_EQ(shown.pixel(16, 8), 0xFFFFFFFFu);  // the face
    EXPECT_EQ(shown.pixel(16, 16), 0xFF000000u); // the centre
    EXPECT_EQ(shown.pixel(16, 5), 0xFF0040E0u);  // the 12 o'clock mark
}

} // namespace
} // namespace ql
