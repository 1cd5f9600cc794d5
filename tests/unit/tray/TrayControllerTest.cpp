// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/TrayController.h"
#include "fakes/FakeLocalClock.h"
#include "fakes/FakePlatform.h"
#include "settings/Settings.h"

#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace ql {
namespace {

using Reason = QSystemTrayIcon::ActivationReason;

// The controller on fakes, with a plain window and menu of its own.
class TrayControllerTest : public ::testing::Test {
  protected:
    FakeJournal journal;
    FakeTrayHost host;
    FakeTaskbar taskbar;
    FakeLocalClock clock;
    FakeDesktop desktop;
    Settings settings;
    std::unique_ptr<TrayController> tray;
    std::unique_ptr<QWidget> window;
    QMenu menu;

    void TearDown() override { window.reset(); }

    // Built and started as the program does; the window is still hidden.
    // A plain white dial: these tests look at where the icon is, not at its picture.
    static QImage dial() {
        QImage white(16, 16, QImage::Format_ARGB32);
        white.fill(Qt::white);
        return white;
    }
    void start(bool startInTray, bool showInTaskbar) {
        settings.edit([&](SettingsRecord& r) {
            r.FStartInTray = startInTray;
            r.FShowInTaskbar = showInTaskbar;
        });
        window.reset();
        tray = std::make_unique<TrayController>(
            settings, TrayController::Services{host, taskbar, clock, desktop}, dial());
        window = std::make_unique<QWidget>();
        tray->attach(*window, &menu);
        tray->DrawTrayIcon(10, 29);
        tray->start();
    }
    // Started and shown by the first tick.
    void startShown(bool showInTaskbar) {
        start(false, showInTaskbar);
        tray->showPendingWindow();
        ASSERT_TRUE(window->isVisible());
    }
    QSystemTrayIcon* icon() { return tray->findChild<QSystemTrayIcon*>("SysTrayIcon"); }
    void minimiseByTitleBar() {
        window->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
    }
    bool blackAt(int x, int y) {
        const QImage image = icon()->icon().pixmap(16, 16).toImage();
        return image.pixel(x, y) == 0xFF000000;
    }
};

TEST_F(TrayControllerTest, StartUpLeavesTheWindowToBeShownAsTheTrayAndTheSettingSay) {
    struct {
        bool trayPresent, startInTray, shown;
    } const rows[] = {
        {true, false, true}, {true, true, false}, {false, false, true}, {false, true, true}};
    for (const auto& r : rows) {
        host.present = r.trayPresent;
        start(r.startInTray, true);
        EXPECT_EQ(tray->showPending(), r.shown) << r.trayPresent << r.startInTray;
        // Without a tray no icon is made yet: a D-Bus panel that comes later must get it.
        EXPECT_EQ(icon() != nullptr, r.trayPresent);
        if (icon()) {
            EXPECT_TRUE(icon()->isVisible());
            EXPECT_EQ(icon()->contextMenu(), &menu);
        }
        EXPECT_FALSE(window->isVisible());
        tray->showPendingWindow();
        EXPECT_EQ(window->isVisible(), r.shown) << r.trayPresent << r.startInTray;
        EXPECT_FALSE(tray->showPending());
        // Only once: later ticks leave a window the user hid alone.
        window->hide();
        tray->showPendingWindow();
        EXPECT_FALSE(window->isVisible());
    }
}

TEST_F(TrayControllerTest, EveryWayOfHidingLeavesTheIconAloneOnScreen) {
    const std::function<void()> hides[] = {
        [this] { tray->MinimizeButtonClick(); },
        [this] { tray->Minimizetotray1Click(); },
        [this] { minimiseByTitleBar(); },
    };
    for (const auto& hide : hides) {
        startShown(true);
        ASSERT_TRUE(taskbar.shown);
        hide();
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(taskbar.shown);
        EXPECT_TRUE(icon()->isVisible());
    }
}

// XEmbed trays send a click before every double-click, so only the double-click restores; D-Bus
// panels never send a double-click, so their single activation must.
TEST_F(TrayControllerTest, TheIconRestoresOnItsPrimaryActionWithTheTaskbarButtonAsSet) {
    struct {
        Reason reason;
        bool dbusPanel, showInTaskbar, restores;
    } const rows[] = {
        {Reason::DoubleClick, false, true, true}, {Reason::DoubleClick, false, false, true},
        {Reason::DoubleClick, true, false, true}, {Reason::Trigger, false, true, false},
        {Reason::Trigger, true, true, true},      {Reason::Trigger, true, false, true},
        {Reason::Context, true, true, false},     {Reason::MiddleClick, false, true, false},
    };
    for (const auto& r : rows) {
        host.dbusPanel = r.dbusPanel;
        startShown(r.showInTaskbar);
        minimiseByTitleBar();
        ASSERT_FALSE(window->isVisible());
        int shown = 0;
        QObject::connect(tray.get(), &TrayController::windowShown, [&shown] { ++shown; });
        emit icon()->activated(r.reason);
        EXPECT_EQ(window->isVisible(), r.restores) << r.reason << r.dbusPanel;
        EXPECT_EQ(shown, r.restores ? 1 : 0);
        if (!r.restores) continue;
        EXPECT_FALSE(window->isMinimized());
        EXPECT_EQ(taskbar.shown, r.showInTaskbar) << r.reason << r.dbusPanel;
    }
}

TEST_F(TrayControllerTest, WithoutATrayHidingMinimisesAndKeepsATaskbarButton) {
    host.present = false;
    start(true, false);
    tray->showPendingWindow();
    ASSERT_TRUE(window->isVisible());
    for (const auto& hide :
         {&TrayController::MinimizeButtonClick, &TrayController::Minimizetotray1Click}) {
        taskbar.shown = false;
        (tray.get()->*hide)();
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->isMinimized());
        EXPECT_TRUE(taskbar.shown); // the way back
        window->showNormal();
    }
    minimiseByTitleBar();
    EXPECT_TRUE(window->isVisible()); // the title bar's box minimises as anywhere else
}

// Started with the session, the clock may come up before the panel holding the tray.
TEST_F(TrayControllerTest, ATrayArrivingJustAfterStartTakesTheWindowOnlyWhenStartingInTheTray) {
    for (const bool startInTray : {true, false}) {
        host.present = false;
        start(startInTray, false);
        tray->showPendingWindow();
        ASSERT_TRUE(window->isVisible());
        host.set(true);
        EXPECT_EQ(window->isVisible(), !startInTray) << startInTray;
        EXPECT_TRUE(icon()->isVisible());
        tray->SysTrayDblClick();
        host.set(true); // a restarted panel: only the first arrival takes the window
        EXPECT_TRUE(window->isVisible()) << startInTray;
    }
}

TEST_F(TrayControllerTest, ATrayArrivingBeforeTheFirstTickKeepsTheWindowHidden) {
    host.present = false;
    start(true, false);
    ASSERT_TRUE(tray->showPending());
    host.set(true);
    EXPECT_FALSE(tray->showPending());
    tray->showPendingWindow();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TrayControllerTest, ATrayLeavingWhileHiddenBringsTheWindowBackAndAReturningOneTheIcon) {
    startShown(false);
    tray->Minimizetotray1Click();
    ASSERT_FALSE(window->isVisible());
    host.set(false);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(taskbar.shown);
    tray->MinimizeButtonClick();
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());
    // A restarted panel knows nothing of the old icon: it is docked again.
    icon()->hide();
    host.set(true);
    EXPECT_TRUE(icon()->isVisible());
    tray->SysTrayDblClick();
    tray->MinimizeButtonClick();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TrayControllerTest, ATrayLeavingWhileTheWindowIsUpChangesNothing) {
    startShown(false);
    host.set(false);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(taskbar.shown);
}

TEST_F(TrayControllerTest, TheTaskbarRuleFollowsTheSettingAsItIsNow) {
    startShown(true);
    for (const bool inTaskbar : {false, true, false}) {
        settings.edit([&](SettingsRecord& r) { r.FShowInTaskbar = inTaskbar; });
        tray->followTaskbarSetting();
        EXPECT_EQ(taskbar.shown, inTaskbar);
    }
}

TEST_F(TrayControllerTest, ADesktopThatKeepsTheTaskbarToItselfIsNotAskedToHideIt) {
    desktop.denied = {WindowFeature::TaskbarButton};
    taskbar.journal = &journal;
    startShown(true);
    tray->Minimizetotray1Click();
    tray->SysTrayDblClick();
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(journal.entries, (std::vector<std::string>{"taskbar.show", "taskbar.show"}));
}

// Without a window (not yet attached, or already gone) the gestures have nothing to act on.
TEST_F(TrayControllerTest, WithoutAWindowShowingAndHidingDoNothing) {
    taskbar.journal = &journal;
    tray = std::make_unique<TrayController>(
        settings, TrayController::Services{host, taskbar, clock, desktop}, dial());
    tray->start();
    tray->SysTrayDblClick();
    tray->HideMainWindow();
    startShown(true);
    journal.entries.clear();
    window.reset();
    host.set(false);
    emit icon()->activated(Reason::DoubleClick);
    tray->Minimizetotray1Click();
    EXPECT_TRUE(journal.entries.empty());
}

// A D-Bus panel that comes after start-up: the icon is made then, with the hands and hint it
// would have had, and its menu offers the window first (one click opens it on GNOME).
TEST_F(TrayControllerTest, ADBusPanelGetsTheIconWithShowClockFirstAndAMinuteHint) {
    QAction* speak = menu.addAction("Speak!");
    host.present = false;
    host.dbusPanel = true;
    clock.set(14, 5, 9);
    start(true, false);
    tray->UpdateTrayHint();
    host.set(true);
    ASSERT_TRUE(icon());
    EXPECT_TRUE(icon()->isVisible());
    EXPECT_FALSE(icon()->icon().isNull()); // drawn before the icon was made
    ASSERT_TRUE(icon()->contextMenu());
    const QList<QAction*> items = icon()->contextMenu()->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text(), "Show clock");
    EXPECT_EQ(items[1], speak);
    EXPECT_TRUE(menu.actions() == QList<QAction*>{speak}); // the window's menu stays as it was
    items[0]->trigger();
    EXPECT_TRUE(window->isVisible());
    QString hint = icon()->toolTip();
    EXPECT_TRUE(hint.startsWith("Time: 14:05 ") || hint.startsWith("Time: 2:05 PM"))
        << hint.toStdString();
    clock.set(14, 5, 40);
    tray->UpdateTrayHint();
    EXPECT_EQ(icon()->toolTip(), hint);
}

TEST_F(TrayControllerTest, TheIconShowsTheHandsAndTheHintTheTime) {
    start(false, false);
    struct {
        int hour, minute;
        QPoint hand[2]; // a pixel of each hand, not reached at the other time
    } const rows[] = {{6, 0, {{8, 12}, {8, 2}}}, {3, 0, {{12, 8}, {8, 2}}}};
    for (const auto& r : rows) {
        tray->DrawTrayIcon(r.hour, r.minute);
        for (const QPoint p : r.hand)
            EXPECT_TRUE(blackAt(p.x(), p.y())) << r.hour << " " << p.x() << "," << p.y();
    }
    EXPECT_FALSE(blackAt(8, 12)); // 03:00: nothing points down
    clock.set(14, 5, 9);
    tray->UpdateTrayHint();
    EXPECT_TRUE(icon()->toolTip().startsWith("Time: 14:05:09")) << icon()->toolTip().toStdString();
}

} // namespace
} // namespace ql
