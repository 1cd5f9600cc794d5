// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit/app/MainWindowFixture.h"

#include <QAction>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QToolButton>

// The notification area as the whole program wires it: the tick, the window's gestures, the
// first tick's show.
namespace ql {
namespace {

class TrayWindowTest : public MainWindowFixture {
  protected:
    // Started and shown by the first tick, with the taskbar button as stored.
    void startShown(bool showInTaskbar) {
        storeCurrentSettings(showInTaskbar ? "00000001" : "00000000");
        create();
        fakes.ticks.fire();
        ASSERT_TRUE(form->isVisible());
    }
    QAction* menuItem(const char* name) {
        return form->findChild<QMenu*>("MainPopupMenu")->findChild<QAction*>(name);
    }
    bool blackAt(int x, int y) {
        return trayIcon()->icon().pixmap(16, 16).toImage().pixel(x, y) == 0xFF000000;
    }
};

TEST_F(TrayWindowTest, TickRefreshesTheHintEverySecondAndTheIconEveryMinute) {
    fakes.clock.set(10, 29, 58);
    storeCurrentSettings();
    create();
    struct Step {
        int h, m, s;
        bool hintChanges, iconChanges;
        const char* hint;
    } const steps[] = {
        // The first tick: every unit differs from the zeros, but start-up drew both already.
        {10, 29, 58, false, true, "Time: 10:29:58"}, {10, 29, 58, false, false, "Time: 10:29:58"},
        {10, 29, 59, true, false, "Time: 10:29:59"}, {10, 30, 0, true, true, "Time: 10:30:00"},
        {10, 30, 0, false, false, "Time: 10:30:00"}, {10, 30, 1, true, false, "Time: 10:30:01"},
        {11, 0, 2, true, true, "Time: 11:00:02"},
    };
    for (const Step& step : steps) {
        const QString hintBefore = trayIcon()->toolTip();
        const qint64 iconBefore = trayIcon()->icon().cacheKey();
        tickAt(step.h, step.m, step.s);
        EXPECT_EQ(trayIcon()->toolTip() != hintBefore, step.hintChanges) << step.hint;
        EXPECT_EQ(trayIcon()->icon().cacheKey() != iconBefore, step.iconChanges) << step.hint;
        EXPECT_TRUE(trayIcon()->toolTip().startsWith(step.hint))
            << trayIcon()->toolTip().toStdString();
    }
    EXPECT_TRUE(blackAt(8, 2)); // 11:00: the minute hand points up
}

TEST_F(TrayWindowTest, StartUpShowsTheIconWithTheWindowsMenuHandsAndHint) {
    fakes.clock.set(6, 0, 9);
    storeCurrentSettings("1");
    create();
    EXPECT_TRUE(trayIcon()->isVisible());
    EXPECT_EQ(trayIcon()->contextMenu(), form->findChild<QMenu*>("MainPopupMenu"));
    EXPECT_TRUE(blackAt(8, 12)); // the hour hand points down
    EXPECT_TRUE(trayIcon()->toolTip().startsWith("Time: 06:00:09"));
}

TEST_F(TrayWindowTest, EveryWayOfHidingLeavesNoWindowAndNoTaskbarButton) {
    const std::function<void()> hides[] = {
        [this] { menuItem("Minimizetotray1")->trigger(); },
        [this] { form->findChild<QToolButton*>("MinimizeButton")->click(); },
        [this] {
            form->setWindowState(Qt::WindowMinimized);
            QCoreApplication::processEvents();
        },
    };
    for (const auto& hide : hides) {
        startShown(true);
        ASSERT_TRUE(fakes.taskbar.shown);
        hide();
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(fakes.taskbar.shown);
        EXPECT_TRUE(trayIcon()->isVisible());
        destroy();
    }
}

TEST_F(TrayWindowTest, DoubleClickBringsTheWindowBackWithTheTaskbarButtonAsSet) {
    for (const bool inTaskbar : {true, false}) {
        startShown(inTaskbar);
        menuItem("Minimizetotray1")->trigger();
        ASSERT_FALSE(form->isVisible());
        emit trayIcon()->activated(QSystemTrayIcon::DoubleClick);
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(fakes.taskbar.shown, inTaskbar);
        destroy();
    }
}

TEST_F(TrayWindowTest, WithoutATrayTheFirstTickShowsTheWindowOnce) {
    fakes.trayHost.present = false;
    storeCurrentSettings("10000000"); // start in the tray, no taskbar button
    create();
    fakes.ticks.fire();
    EXPECT_TRUE(form->isVisible());
    menuItem("Minimizetotray1")->trigger();
    EXPECT_TRUE(form->isMinimized());
    EXPECT_TRUE(fakes.taskbar.shown); // the way back
    fakes.ticks.fire();
    EXPECT_TRUE(form->isMinimized()); // start-up work does not show it again
}

TEST_F(TrayWindowTest, ClosingTakesTheIconAway) {
    startShown(false);
    QSystemTrayIcon* icon = trayIcon();
    ASSERT_TRUE(app->Close());
    EXPECT_FALSE(icon->isVisible());
}

} // namespace
} // namespace ql
