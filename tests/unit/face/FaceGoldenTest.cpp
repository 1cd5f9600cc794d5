// SPDX-License-Identifier: GPL-3.0-or-later
#include "Golden.h"
#include "unit/face/FaceFixture.h"

namespace ql {
namespace {

using namespace ql::testing;

constexpr int kFriday = 6, kSaturday = 7, kSunday = 1, kMonday = 2;

class FaceGoldenTest : public FaceFixture {
  protected:
    void SetUp() override {
        FaceFixture::SetUp();
        setDate(7, kMonday);
    }
};

// The hour's tens digit lies over the blanked AM/PM area in 24-hour mode: a "2" is whole.
TEST_F(FaceGoldenTest, BigFaceHours) {
    struct Row {
        const char* golden;
        int h, m, s;
        bool hours24;
    } rows[] = {
        {"big-24h-2000", 20, 0, 0, true},
        {"big-24h-2200", 22, 0, 5, true},
        {"big-24h-2359", 23, 59, 47, true},
        {"big-12h-1015", 10, 15, 30, false},
    };
    for (const Row& r : rows) {
        fakes.clock.set(r.h, r.m, r.s);
        createShown(false, true, r.hours24);
        EXPECT_TRUE(matchesGolden(facePicture(), r.golden));
        destroy();
    }
}

// In 12-hour mode the AM/PM mark and its blank are drawn over the left of the hour's tens
// cell: at every hour only glass and the mark's ink show there, never part of a digit.
TEST_F(FaceGoldenTest, NoPartOfADigitBesideTheAmPmMark) {
    const QRgb glass = qRgb(165, 173, 156), ink = qRgb(49, 49, 49);
    for (int hour = 0; hour < 24; ++hour) {
        fakes.clock.set(hour, 5, 0);
        createShown(false, true, false);
        const QImage face = facePicture();
        int other = 0;
        for (int y = 36; y <= 81; ++y)
            for (int x = 18; x <= 41; ++x)
                other += face.pixel(x, y) != glass && face.pixel(x, y) != ink;
        EXPECT_EQ(other, 0) << "hour " << hour;
        destroy();
    }
}

TEST_F(FaceGoldenTest, SmallFace) {
    fakes.clock.set(13, 5, 10); // the first tick sees a new second and lights the colon
    createShown(true, true, false);
    EXPECT_TRUE(matchesGolden(facePicture(), "small-12h-1305"));
}

// The whole window as the user sees it, buttons included, in every layout and frame, in both
// hour formats, morning and evening.
TEST_F(FaceGoldenTest, WindowInEveryLayout) {
    const int times[][3] = {{0, 7, 5}, {9, 59, 30}, {13, 5, 17}, {22, 0, 9}};
    for (bool small : {false, true})
        for (bool windowless : {false, true})
            for (bool hours24 : {false, true})
                for (const auto& t : times) {
                    fakes.clock.set(t[0], t[1], t[2]);
                    createShown(small, windowless, hours24);
                    const QString name =
                        QStringLiteral("window-%1-%2-%3-%4%5")
                            .arg(small ? "small" : "big", windowless ? "frameless" : "framed",
                                 hours24 ? "24h" : "12h")
                            .arg(t[0], 2, 10, QChar('0'))
                            .arg(t[1], 2, 10, QChar('0'));
                    EXPECT_TRUE(matchesGolden(form->grab().toImage(), name));
                    destroy();
                }
}

// On a desktop scaled by 200 % the face is drawn from pictures made for that density.
TEST_F(FaceGoldenTest, BigFaceAtDoubleDensity) {
    fakes.clock.set(13, 5, 17);
    createShown(false, true, false);
    QImage image(face()->size() * 2, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    face()->render(&image, QPoint(), QRegion(), QWidget::DrawWindowBackground);
    EXPECT_TRUE(matchesGolden(image, "big-12h-1305-2x"));
}

// Friday evening, then the clock jumps (a resume, a clock change) to Monday morning.
TEST_F(FaceGoldenTest, OnlyTodaysNameAfterAJumpOverTheWeekend) {
    setDate(4, kFriday);
    fakes.clock.set(18, 30, 0);
    createShown(false, true, false);
    setDate(7, kMonday);
    tickAt(9, 0, 0);
    settlePaint();
    EXPECT_TRUE(matchesGolden(facePicture(), "weekday-jump-fri-mon"));
}

// Hidden to the notification area on Friday, shown again on Monday: the ticks of the days
// between drew nothing.
TEST_F(FaceGoldenTest, OnlyTodaysNameAfterDaysHidden) {
    setDate(4, kFriday);
    fakes.clock.set(18, 30, 0);
    createShown(false, true, false);
    hideToTray();
    const int days[][2] = {{5, kSaturday}, {6, kSunday}, {7, kMonday}};
    for (const auto& d : days) {
        setDate(d[0], d[1]);
        tickAt(0, 0, 0);
        tickAt(9, 0, 0);
    }
    doubleClickTrayIcon();
    settlePaint();
    EXPECT_TRUE(matchesGolden(facePicture(), "weekday-hidden-fri-mon"));
}

// The picture depends on the current state alone: a face that went through days, layouts and
// formats looks exactly like one that just started at the same moment.
TEST_F(FaceGoldenTest, AFaceWithAHistoryLooksLikeAFreshOne) {
    setDate(4, kFriday);
    fakes.clock.set(20, 59, 59);
    createShown(false, true, true);
    setDate(5, kSaturday);
    tickAt(9, 0, 0);
    action("MI_small")->trigger();
    tickAt(10, 0, 1);
    action("MI_big")->trigger();
    editSettings([](SettingsRecord& rec) { rec.F24HourFormat = false; });
    setDate(7, kMonday);
    tickAt(22, 0, 5);
    settlePaint();
    const QImage lived = facePicture();
    destroy();
    fakes.clock.set(22, 0, 5);
    createShown(false, true, false);
    EXPECT_EQ(lived, facePicture());
}

} // namespace
} // namespace ql
