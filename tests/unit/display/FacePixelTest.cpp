#include "FaceFixture.h"

#include <QString>

namespace ql {
namespace {

using namespace ql::testing;

const char* const kWeekdays[] = {"SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT"};

QRect place(const char* name) {
    for (const BoxPlace& b : kBigBoxes)
        if (QString(b.name) == name) return b.rect;
    return {};
}

int digitOrBlank(QChar c) {
    return c == ' ' ? 10 : c.digitValue();
}

// What the big face must show, as a reader would write it down.
struct BigFace {
    QString time; // "hh:mm:ss", a space for an empty hour tens cell
    QString mark; // "AM", "PM" or "" (24-hour mode)
    QString day;  // two characters, a space for an empty tens cell
    int weekday;  // 1 = Sunday
    bool alarm = false;
    bool announce = false;
};

QImage expectedBig(const TClockData& d, const BigFace& f) {
    FacePicture pic(d, 15);
    const ImageList& misc = d.MiscList;
    const bool hours24 = f.mark.isEmpty();
    // In 24-hour mode the empty tens cell is not drawn at all: the background shows.
    if (!(hours24 && f.time[0] == ' '))
        pic.draw(place("Hour1Paintbox"), d.HrMinList, digitOrBlank(f.time[0]), 0, 0);
    pic.draw(place("Hour2Paintbox"), d.HrMinList, f.time[1].digitValue(), 0, 0);
    const QRect ap = place("APPaintBox");
    if (hours24) {
        pic.draw(ap, misc, 13, 0, 0).draw(ap, misc, 13, 0, 15);
    } else if (f.mark == "AM") {
        pic.draw(ap, misc, 7, 0, 0).draw(ap, misc, 14, 0, 15);
    } else {
        pic.draw(ap, misc, 14, 0, 0).draw(ap, misc, 8, 0, 15);
    }
    const QRect m = place("MiscPaintbox");
    if (f.alarm)
        pic.draw(m, misc, 10, 0, 6);
    else
        pic.draw(m, misc, 14, 0, 6).draw(m, misc, 14, 6, 6);
    if (f.announce)
        pic.draw(m, misc, 9, 32, 2);
    else
        pic.draw(m, misc, 14, 32, 2).draw(m, misc, 14, 32, 8);
    pic.draw(place("ColPaintBox"), misc, 11, 0, 0).draw(m, misc, 12, 115, 2);
    pic.draw(place("Min1Paintbox"), d.HrMinList, f.time[3].digitValue(), 0, 0)
        .draw(place("Min2Paintbox"), d.HrMinList, f.time[4].digitValue(), 0, 0)
        .draw(place("Sec1PaintBox"), d.SecList, f.time[6].digitValue(), 0, 0)
        .draw(place("Sec2PaintBox"), d.SecList, f.time[7].digitValue(), 0, 0)
        .draw(place("Date1Paintbox"), d.MSList, digitOrBlank(f.day[0]), 0, 0)
        .draw(place("Date2Paintbox"), d.MSList, f.day[1].digitValue(), 0, 0);
    const QRect w = place("WeekdayPaintBox");
    pic.draw(w, misc, f.weekday - 1, (f.weekday - 1) * 25, 0);
    return pic.image();
}

// What the small face must show; the colon as "lit", "dark" or "" (not drawn yet).
QImage expectedSmall(const TClockData& d, QString time, QString mark, QString colon) {
    FacePicture pic(d, 16);
    const QRect mt = kMiniTime;
    const int markItem = mark == "A" ? 17 : mark == "P" ? 18 : 19;
    pic.draw(mt, d.MiscList, markItem, 0, 0)
        .draw(mt, d.MSList, digitOrBlank(time[0]), 8, 0)
        .draw(mt, d.MSList, time[1].digitValue(), 22, 0)
        .draw(mt, d.MSList, time[3].digitValue(), 42, 0)
        .draw(mt, d.MSList, time[4].digitValue(), 56, 0);
    if (!colon.isEmpty()) pic.draw(mt, d.MiscList, colon == "lit" ? 20 : 21, 37, 0);
    return pic.image();
}

class FacePixelTest : public FaceFixture {
  protected:
    // Every box, and the whole face around them, must match the composed picture.
    void expectBig(const QImage& expected, const std::string& what) {
        const QImage shown = screen();
        for (const BoxPlace& b : kBigBoxes)
            EXPECT_EQ(differingPixels(shown, expected, b.rect), 0) << what << ": " << b.name;
        EXPECT_EQ(differingPixels(shown, expected, {0, 0, 270, 100}), 0) << what << ": face";
    }
    void expectSmall(const QImage& expected, const std::string& what) {
        EXPECT_EQ(differingPixels(screen(), expected, {0, 0, 100, 32}), 0) << what;
    }
};

TEST_F(FacePixelTest, BigFaceShowsTimeDateAndMarks) {
    struct Row {
        int h, m, s, day, weekday;
        bool hours24, alarm, announce, windowless;
        BigFace face;
    } rows[] = {
        {0, 7, 5, 5, 7, false, false, false, false, {"12:07:05", "AM", " 5", 7}},
        {12, 30, 59, 31, 1, false, true, true, false, {"12:30:59", "PM", "31", 1, true, true}},
        {13, 5, 0, 10, 2, false, false, true, true, {" 1:05:00", "PM", "10", 2, false, true}},
        {22, 0, 9, 9, 3, false, true, false, false, {"10:00:09", "PM", " 9", 3, true}},
        {9, 59, 30, 11, 4, false, false, false, true, {" 9:59:30", "AM", "11", 4}},
        {11, 1, 1, 1, 5, false, false, false, false, {"11:01:01", "AM", " 1", 5}},
        {9, 59, 30, 20, 6, true, false, false, false, {" 9:59:30", "", "20", 6}},
        {10, 0, 0, 29, 7, true, true, true, true, {"10:00:00", "", "29", 7, true, true}},
        {0, 0, 0, 30, 1, true, false, false, false, {" 0:00:00", "", "30", 1}},
        {23, 45, 12, 15, 2, true, false, false, false, {"23:45:12", "", "15", 2}},
    };
    for (const Row& r : rows) {
        fakes.clock.set(r.h, r.m, r.s);
        setDate(r.day, r.weekday);
        storeCurrentSettings("0");
        create();
        form->editSettings([&](SettingsRecord& rec) { rec.F24HourFormat = r.hours24; });
        form->editSettings([&](SettingsRecord& rec) { rec.FAlarmOn = r.alarm; });
        form->editSettings([&](SettingsRecord& rec) { rec.FAnnounceOn = r.announce; });
        form->editSettings([&](SettingsRecord& rec) { rec.FWindowless = r.windowless; });
        form->ChangeMode();
        form->setClockData(&images());
        tickAt(r.h, r.m, r.s);
        settlePaint();
        expectBig(expectedBig(images(), r.face), r.face.time.toStdString());
        destroy();
    }
}

TEST_F(FacePixelTest, TwentyFourHourModeHidesTheTensCellAndShowsItAgainAtTen) {
    fakes.clock.set(9, 59, 59);
    createShown(false, false, true);
    EXPECT_TRUE(box("Hour1Paintbox")->isHidden());
    tickAt(10, 0, 0);
    settlePaint();
    EXPECT_FALSE(box("Hour1Paintbox")->isHidden());
    expectBig(expectedBig(images(), {"10:00:00", "", " 7", 2}), "10:00 after 09:59");
}

// The settings dialog repaints the window after switching to 12-hour mode.
TEST_F(FacePixelTest, SwitchingToTwelveHoursShowsTheBlankTensFaceAndTheMarkAtOnce) {
    fakes.clock.set(9, 15, 0);
    createShown(false, false, true);
    form->editSettings([&](SettingsRecord& rec) { rec.F24HourFormat = false; });
    form->FormPaint();
    settlePaint();
    expectBig(expectedBig(images(), {" 9:15:00", "AM", " 7", 2}), "after the switch");
}

TEST_F(FacePixelTest, MidnightErasesYesterdaysWeekday) {
    struct Row {
        int fromDay, fromWeekday, toDay, toWeekday;
    } rows[] = {{5, 7, 6, 1}, {6, 1, 7, 2}, {31, 3, 1, 4}};
    for (const Row& r : rows) {
        fakes.clock.set(23, 59, 59);
        setDate(r.fromDay, r.fromWeekday);
        createShown(false, false, false);
        setDate(r.toDay, r.toWeekday);
        tickAt(0, 0, 0);
        settlePaint();
        const QString day = QString("%1").arg(r.toDay, 2);
        expectBig(expectedBig(images(), {"12:00:00", "AM", day, r.toWeekday}),
                  std::string("to ") + kWeekdays[r.toWeekday - 1]);
        destroy();
    }
}

TEST_F(FacePixelTest, SmallFaceShowsHoursMinutesAndMark) {
    struct Row {
        int h, m;
        bool hours24, windowless;
        const char *time, *mark;
    } rows[] = {
        {0, 7, false, true, "12:07", "A"},  {12, 30, false, false, "12:30", "P"},
        {13, 5, false, true, " 1:05", "P"}, {22, 0, false, false, "10:00", "P"},
        {9, 59, true, true, " 9:59", ""},   {10, 0, true, false, "10:00", ""},
    };
    for (const Row& r : rows) {
        fakes.clock.set(r.h, r.m, 0); // second 0 is no change to the first tick: no colon yet
        createShown(true, r.windowless, r.hours24);
        expectSmall(expectedSmall(images(), r.time, r.mark, ""), r.time);
        destroy();
    }
}

TEST_F(FacePixelTest, SmallFaceColonIsLitAndDarkOnSuccessiveSeconds) {
    fakes.clock.set(13, 5, 10);
    createShown(true, true, false); // the first tick sees a new second and lights the colon
    expectSmall(expectedSmall(images(), " 1:05", "P", "lit"), "first tick");
    const char* phases[] = {"dark", "lit", "dark", "lit"};
    for (int i = 0; i < 4; ++i) {
        tickAt(13, 5, 11 + i);
        settlePaint();
        expectSmall(expectedSmall(images(), " 1:05", "P", phases[i]), phases[i]);
        tickAt(13, 5, 11 + i); // the same second again: no change
        settlePaint();
        expectSmall(expectedSmall(images(), " 1:05", "P", phases[i]), phases[i]);
    }
}

TEST_F(FacePixelTest, NothingIsDrawnWhileHiddenAndTheFaceIsCurrentWhenShown) {
    fakes.clock.set(8, 0, 0);
    createShown(false, false, false);
    form->HideMainWindow();
    const int before = box("Min2Paintbox")->itemCount() > 0
                           ? box("Min2Paintbox")->item(box("Min2Paintbox")->itemCount() - 1).index
                           : -1;
    setDate(8, 3);
    tickAt(21, 47, 33);
    EXPECT_EQ(box("Min2Paintbox")->item(box("Min2Paintbox")->itemCount() - 1).index, before);
    form->ShowMainWindow();
    settlePaint();
    expectBig(expectedBig(images(), {" 9:47:33", "PM", " 8", 3}), "shown again");
}

TEST_F(FacePixelTest, LayoutSwitchShowsTheOtherFaceWhole) {
    fakes.clock.set(22, 0, 0);
    createShown(false, true, false);
    form->MI_smallClick();
    settlePaint();
    expectSmall(expectedSmall(images(), "10:00", "P", ""), "small");
    form->MI_bigClick();
    settlePaint();
    expectBig(expectedBig(images(), {"10:00:00", "PM", " 7", 2}), "big again");
}

// The alarm and settings dialogs repaint the window when they close with OK.
TEST_F(FacePixelTest, IndicatorsFollowTheSettingsOnTheNextRepaint) {
    fakes.clock.set(10, 15, 0);
    createShown(false, false, false);
    for (bool on : {true, false}) {
        form->editSettings([&](SettingsRecord& rec) { rec.FAlarmOn = on; });
        form->editSettings([&](SettingsRecord& rec) { rec.FAnnounceOn = on; });
        form->FormPaint();
        settlePaint();
        expectBig(expectedBig(images(), {"10:15:00", "AM", " 7", 2, on, on}), on ? "on" : "off");
    }
}

// A value no image stands for ends its own group's drawing only: the groups drawn after it in
// the same tick still show the time, and the clock runs on.
TEST_F(FacePixelTest, AFailedGroupLeavesTheOthersDrawn) {
    fakes.clock.set(10, 29, 58);
    setDate(7, 2);
    createShown(false, false, false);
    setDate(8, 0); // no weekday: no name to draw
    fakes.clock.set(10, 200, 59);
    form->Timer1Timer(); // minute 200 has no tens digit
    settlePaint();
    // The minutes and Monday's name stay as they were; the seconds and the day are new.
    expectBig(expectedBig(images(), {"10:29:59", "AM", " 8", 2}), "minute 200, weekday 0");
}

} // namespace
} // namespace ql
