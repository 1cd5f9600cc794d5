// SPDX-License-Identifier: GPL-3.0-or-later
#include "FaceFixture.h"

#include <QAction>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QToolButton>
#include <QWindow>

#include <tuple>

namespace ql {
namespace {

using namespace ql::testing;

const char* const kBigOnly[] = {"LangSelButton", "AlarmButton", "SetupButton", "OptionsButton"};

// Collects what the face repaints, in panel coordinates.
class PaintCounter : public QObject {
  public:
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

class FaceLayoutTest : public FaceFixture {
  protected:
    PaintCounter counter;
    void countPaints() {
        settlePaint();
        face()->installEventFilter(&counter);
        counter.painted = QRegion();
    }
    int backgroundItem() const { return face()->state().background(); }
};

TEST_F(FaceLayoutTest, EachStateHasItsSizeShapeCaptionAndControls) {
    struct Row {
        bool small, windowless;
        QSize client;
        QRect shape; // empty: no shape
        const char* caption;
        Qt::WindowType kind;
        int background;
        QRect announce;
        QPoint minimize;
    } rows[] = {
        {false,
         true,
         {292, 130},
         {0, 0, 293, 131},
         "Multilingual Quorlan",
         Qt::Window,
         15,
         {210, 102, 58, 22},
         {275, 4}},
        {true,
         true,
         {150, 40},
         {0, 0, 151, 41},
         "Multilingual Quorlan",
         Qt::Window,
         16,
         {103, 9, 24, 22},
         {132, 4}},
        {false,
         false,
         {292, 130},
         {},
         "Multilingual Quorlan",
         Qt::Window,
         15,
         {210, 102, 58, 22},
         {275, 4}},
        {true, false, {150, 32}, {}, "Quorlan", Qt::Tool, 16, {103, 9, 24, 22}, {132, 4}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.small ? "small" : "big") + (r.windowless ? " frameless" : ""));
        createShown(r.small, r.windowless, false);
        EXPECT_EQ(form->size(), r.client);
        EXPECT_EQ(form->mask().boundingRect(), r.shape);
        if (!r.shape.isEmpty()) {
            EXPECT_EQ(form->mask(), QRegion(r.shape));
        }
        EXPECT_EQ(form->windowTitle(), r.caption);
        EXPECT_EQ(form->windowType(), r.kind);
        EXPECT_EQ(bool(form->windowFlags() & Qt::FramelessWindowHint), r.windowless);
        EXPECT_EQ(bool(form->windowFlags() & Qt::WindowMaximizeButtonHint), false);
        EXPECT_EQ(bool(form->windowFlags() & Qt::WindowMinimizeButtonHint),
                  !r.windowless && !r.small);
        EXPECT_EQ(backgroundItem(), r.background);
        for (const char* name : kBigOnly)
            EXPECT_EQ(control(name)->isHidden(), r.small) << name;
        EXPECT_FALSE(control("AnnounceButton")->isHidden());
        EXPECT_EQ(control("AnnounceButton")->geometry(), r.announce);
        EXPECT_EQ(control("HelpButton")->geometry(), QRect(160, 102, 40, 22));
        EXPECT_EQ(control("MinimizeButton")->isHidden(), !r.windowless);
        EXPECT_EQ(control("MinimizeButton")->pos(), r.minimize);
        destroy();
    }
}

TEST_F(FaceLayoutTest, FramedLayoutLeavesNoShapeBehindAndKeepsItsPlace) {
    createShown(false, true, false);
    form->move(200, 150);
    const QPoint at = form->pos();
    editSettings([&](SettingsRecord& rec) { rec.FWindowless = false; });
    EXPECT_TRUE(form->mask().isEmpty());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->pos(), at);
    editSettings([&](SettingsRecord& rec) { rec.FWindowless = true; });
    EXPECT_FALSE(form->mask().isEmpty());
    EXPECT_FALSE(control("MinimizeButton")->isHidden());
    EXPECT_EQ(form->pos(), at);
}

// A new layout re-creates the native window; what other settings gave it must survive.
TEST_F(FaceLayoutTest, LayoutChangeKeepsStayOnTopAndTransparency) {
    createShown(false, true, false);
    editSettings([](SettingsRecord& rec) {
        rec.FOnTop = true;
        rec.FBlendOn = true;
        rec.FBlendValue = 128; // 0.5 of 255
    });
    for (bool windowless : {false, true}) {
        editSettings([&](SettingsRecord& rec) { rec.FWindowless = windowless; });
        EXPECT_TRUE(form->windowFlags() & Qt::WindowStaysOnTopHint) << windowless;
        ASSERT_NE(form->windowHandle(), nullptr);
        EXPECT_NEAR(form->windowHandle()->opacity(), 0.5, 0.01) << windowless;
    }
}

// The window shows the settings whoever changes them, in place: its native window stays. A
// change it does not show (a volume, a language) leaves the face unpainted.
TEST_F(FaceLayoutTest, TheWindowFollowsSettingsChangedElsewhere) {
    struct Shown {
        QSize client;
        bool smallChecked, onTop, repainted;
        double opacity;
    };
    const auto blend102 = [](SettingsRecord& r) {
        r.FBlendOn = true;
        r.FBlendValue = 102;
    };
    const std::tuple<const char*, void (*)(SettingsRecord&), Shown> rows[] = {
        {"speech volume",
         [](SettingsRecord& r) { r.FSpeechVolume = 30; },
         {{292, 130}, false, false, false, 1.0}},
        {"language",
         [](SettingsRecord& r) { r.SelectedLanguage = 1; },
         {{292, 130}, false, false, false, 1.0}},
        {"small layout",
         [](SettingsRecord& r) { r.FSmallMode = true; },
         {{150, 32}, true, false, true, 1.0}},
        {"on top",
         [](SettingsRecord& r) { r.FOnTop = true; },
         {{292, 130}, false, true, false, 1.0}},
        {"blending 102", blend102, {{292, 130}, false, false, false, 0.4}},
        {"24-hour",
         [](SettingsRecord& r) { r.F24HourFormat = true; },
         {{292, 130}, false, false, true, 1.0}},
    };
    for (const auto& [what, change, expected] : rows) {
        SCOPED_TRACE(what);
        fakes.clock.set(21, 15, 0); // 9 in 12-hour mode, 21 in 24-hour mode
        createShown(false, false, false);
        const WId native = form->winId();
        countPaints();
        editSettings(change);
        settlePaint();
        EXPECT_EQ(form->size(), expected.client);
        EXPECT_EQ(action("MI_small")->isChecked(), expected.smallChecked);
        EXPECT_EQ(action("MI_big")->isChecked(), !expected.smallChecked);
        EXPECT_EQ(bool(form->windowFlags() & Qt::WindowStaysOnTopHint), expected.onTop);
        EXPECT_EQ(form->winId(), native);
        EXPECT_EQ(!counter.painted.isEmpty(), expected.repainted);
        EXPECT_NEAR(form->windowOpacity(), expected.opacity, 0.01);
        destroy();
    }
}

TEST_F(FaceLayoutTest, ChoosingTheActiveLayoutAgainChangesNothing) {
    for (bool small : {false, true}) {
        createShown(small, true, false);
        const WId native = form->winId();
        countPaints();
        if (small)
            action("MI_small")->trigger();
        else
            action("MI_big")->trigger();
        settlePaint();
        EXPECT_EQ(form->winId(), native) << small;
        EXPECT_TRUE(counter.painted.isEmpty()) << small;
        EXPECT_EQ(cfg().FSmallMode, small);
        EXPECT_EQ(action("MI_small")->isChecked(), small);
        EXPECT_EQ(action("MI_big")->isChecked(), !small);
        destroy();
    }
}

TEST_F(FaceLayoutTest, MenuCommandsSwitchLayoutAndRadioItems) {
    createShown(false, false, false);
    action("MI_small")->trigger();
    EXPECT_TRUE(cfg().FSmallMode);
    EXPECT_TRUE(action("MI_small")->isChecked());
    EXPECT_FALSE(action("MI_big")->isChecked());
    EXPECT_EQ(form->size(), QSize(150, 32));
    action("MI_big")->trigger();
    EXPECT_FALSE(cfg().FSmallMode);
    EXPECT_TRUE(action("MI_big")->isChecked());
    EXPECT_EQ(form->size(), QSize(292, 130));
}

TEST_F(FaceLayoutTest, FlatButtonsFollowTheSettingButMinimizeStaysRaised) {
    createShown(false, true, false);
    for (bool flat : {true, false}) {
        editSettings([&](SettingsRecord& rec) { rec.FTransparentButtons = flat; });
        for (const char* name : {"AnnounceButton", "LangSelButton", "AlarmButton", "SetupButton",
                                 "HelpButton", "OptionsButton"})
            EXPECT_EQ(form->findChild<QToolButton*>(name)->autoRaise(), flat) << name;
        EXPECT_FALSE(form->findChild<QToolButton*>("MinimizeButton")->autoRaise());
    }
}

// A group's boxes overlap their neighbours by a few pixels, which the window system repaints
// with them; nothing beyond the changed groups may be repainted.
TEST_F(FaceLayoutTest, TicksRepaintOnlyTheGroupsWhoseUnitChanged) {
    const QRegion seconds = QRegion(153, 50, 42, 33);
    const QRegion minutes = QRegion(92, 36, 60, 47);
    const QRegion colon = QRegion(9 + 37, 10, 4, 21);
    const QRegion miniTime = QRegion(9, 10, 80, 21);
    struct Row {
        bool small;
        int h, m, s;
        QRegion allowed;
        const char* mustPaint; // a cell; nullptr: nothing may be painted
    } rows[] = {
        {false, 10, 29, 58, {}, nullptr},
        {false, 10, 29, 59, seconds, "Sec2PaintBox"},
        {false, 10, 30, 0, seconds + minutes, "Min1Paintbox"},
        {true, 10, 29, 58, {}, nullptr},
        {true, 10, 29, 59, colon, "MTPaintBox"},
        {true, 10, 30, 0, miniTime, "MTPaintBox"},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.m) + ":" + std::to_string(r.s) + (r.small ? " small" : ""));
        fakes.clock.set(10, 29, 58);
        createShown(r.small, true, false);
        countPaints();
        tickAt(r.h, r.m, r.s);
        settlePaint();
        const QRect beyond = (counter.painted - r.allowed).boundingRect();
        EXPECT_TRUE(beyond.isEmpty())
            << "repainted beyond the changed groups at " << beyond.x() << "," << beyond.y();
        if (r.mustPaint)
            EXPECT_TRUE(counter.painted.intersects(FaceView::cellRect(r.mustPaint)));
        else
            EXPECT_TRUE(counter.painted.isEmpty());
        destroy();
    }
}

TEST_F(FaceLayoutTest, LeftPressDragsWithTheMoveCursorRightPressDoesNot) {
    createShown(false, true, false);
    form->move(100, 100);
    QWidget* target = face();
    const QPointF local = FaceView::cellRect("Min1Paintbox").topLeft() + QPointF(5, 5);
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                          QPoint global) {
        QMouseEvent e(type, local, QPointF(global), button, held, Qt::NoModifier);
        QApplication::sendEvent(target, &e);
    };
    QCursor::setPos(300, 200);
    send(QEvent::MouseButtonPress, Qt::RightButton, Qt::RightButton, {300, 200});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    send(QEvent::MouseButtonRelease, Qt::RightButton, Qt::NoButton, {300, 200});

    send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, {300, 200});
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::SizeAllCursor);
    send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, {340, 230});
    EXPECT_EQ(form->pos(), QPoint(140, 130));
    send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, {340, 230});
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, {400, 400});
    EXPECT_EQ(form->pos(), QPoint(140, 130));
}

TEST_F(FaceLayoutTest, ButtonsNeverDragTheWindow) {
    createShown(false, true, false);
    QWidget* button = control("HelpButton");
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3),
                      QPointF(button->mapToGlobal(QPoint(3, 3))), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &press);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(3, 3),
                        QPointF(button->mapToGlobal(QPoint(3, 3))), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(button, &release);
}

} // namespace
} // namespace ql
