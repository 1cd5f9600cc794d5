#include "unit/app/MainFormFixture.h"

#include "face/ClockData.h"
#include "tray/TrayHint.h"
#include "tray/TrayIconPainter.h"

#include <QAction>
#include <QDateTime>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QToolButton>

namespace ql {
namespace {

class TrayWindowTest : public MainFormFixture {
  protected:
    // Started and shown by the first tick, with the taskbar button as stored.
    void startShown(bool showInTaskbar) {
        storeCurrentSettings(showInTaskbar ? "00000001" : "00000000");
        create();
        app->ticker().Timer1Timer();
        ASSERT_TRUE(form->isVisible());
    }
    void doubleClickIcon() { emit form->SysTrayIcon->activated(QSystemTrayIcon::DoubleClick); }
    QAction* menuItem(const char* name) { return form->MainPopupMenu->findChild<QAction*>(name); }
    QImage iconImage() {
        return form->SysTrayIcon->icon().pixmap(16, 16).toImage().convertToFormat(
            QImage::Format_ARGB32);
    }
};

TEST_F(TrayWindowTest, TickRefreshesTheHintEverySecondAndTheIconEveryMinute) {
    fakes.clock.set(10, 29, 58);
    storeCurrentSettings();
    create();
    const QImage face = ClockData::clockFaceIcon();
    struct Step {
        int h, m, s;
        bool hintChanges, iconChanges;
    } const steps[] = {
        {10, 29, 58, false, true}, // first tick: every unit differs from the zeros
        {10, 29, 58, false, false}, {10, 29, 59, true, false}, {10, 30, 0, true, true},
        {10, 30, 0, false, false},  {10, 30, 1, true, false},  {11, 0, 2, true, true},
    };
    for (const Step& step : steps) {
        const QString hintBefore = form->SysTrayIcon->toolTip();
        const qint64 iconBefore = form->SysTrayIcon->icon().cacheKey();
        tickAt(step.h, step.m, step.s);
        const QString at = QString("%1:%2:%3").arg(step.h).arg(step.m).arg(step.s);
        EXPECT_EQ(form->SysTrayIcon->toolTip() != hintBefore, step.hintChanges) << at.toStdString();
        EXPECT_EQ(form->SysTrayIcon->icon().cacheKey() != iconBefore, step.iconChanges)
            << at.toStdString();
        const QDateTime now(QDate(2026, 12, 7), QTime(step.h, step.m, step.s));
        EXPECT_EQ(form->SysTrayIcon->toolTip().toStdString(), TrayHint().text(now).toStdString());
        EXPECT_TRUE(iconImage() == TrayIconPainter::paint(face, step.h, step.m))
            << at.toStdString();
    }
}

TEST_F(TrayWindowTest, StartUpShowsTheIconWithCurrentHandsAndHint) {
    fakes.clock.set(14, 5, 9);
    storeCurrentSettings("1");
    create();
    EXPECT_TRUE(form->SysTrayIcon->isVisible());
    EXPECT_EQ(form->SysTrayIcon->contextMenu(), form->MainPopupMenu);
    EXPECT_TRUE(iconImage() == TrayIconPainter::paint(ClockData::clockFaceIcon(), 14, 5));
    EXPECT_TRUE(form->SysTrayIcon->toolTip().startsWith("Time: 14:05:09"));
}

TEST_F(TrayWindowTest, EveryWayOfHidingLeavesNoWindowAndNoTaskbarButton) {
    const std::function<void()> hides[] = {
        [this] { menuItem("Minimizetotray1")->trigger(); },
        [this] { form->MinimizeButton->click(); },
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
        EXPECT_TRUE(form->SysTrayIcon->isVisible());
        destroy();
    }
}

// XEmbed trays send a click before every double-click, so only the double-click restores; D-Bus
// panels never send a double-click, so their single activation must.
TEST_F(TrayWindowTest, OneClickRestoresOnlyFromADBusPanel) {
    for (const bool dbusPanel : {false, true}) {
        fakes.trayHost.dbusPanel = dbusPanel;
        startShown(true);
        form->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        ASSERT_FALSE(form->isVisible());
        emit form->SysTrayIcon->activated(QSystemTrayIcon::Trigger);
        EXPECT_EQ(form->isVisible(), dbusPanel) << "D-Bus panel: " << dbusPanel;
        EXPECT_EQ(fakes.taskbar.shown, dbusPanel);
        destroy();
    }
}

TEST_F(TrayWindowTest, DoubleClickBringsTheWindowBackWithTheTaskbarButtonAsSet) {
    for (const bool inTaskbar : {true, false}) {
        startShown(inTaskbar);
        form->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        ASSERT_FALSE(form->isVisible());
        emit form->SysTrayIcon->activated(QSystemTrayIcon::Trigger); // a single click does not
        EXPECT_FALSE(form->isVisible());
        doubleClickIcon();
        EXPECT_TRUE(form->isVisible());
        EXPECT_FALSE(form->isMinimized());
        EXPECT_EQ(fakes.taskbar.shown, inTaskbar);
        destroy();
    }
}

TEST_F(TrayWindowTest, WithoutATrayTheWindowShowsAndMinimisesNormally) {
    fakes.trayHost.present = false;
    storeCurrentSettings("10000000"); // start in the tray, no taskbar button
    create();
    EXPECT_TRUE(form->FShowPending);
    app->ticker().Timer1Timer();
    EXPECT_TRUE(form->isVisible());
    menuItem("Minimizetotray1")->trigger();
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->isMinimized());
    EXPECT_TRUE(fakes.taskbar.shown); // the way back
    app->ticker().Timer1Timer();
    EXPECT_TRUE(form->isMinimized()); // start-up work does not show it again
}

TEST_F(TrayWindowTest, TrayArrivingJustAfterStartTakesTheWindowOnlyWhenStartingInTheTray) {
    for (const bool startInTray : {true, false}) {
        fakes.trayHost.present = false;
        storeCurrentSettings(startInTray ? "1" : "0");
        create();
        app->ticker().Timer1Timer();
        ASSERT_TRUE(form->isVisible());
        fakes.trayHost.set(true);
        EXPECT_EQ(form->isVisible(), !startInTray) << startInTray;
        EXPECT_TRUE(form->SysTrayIcon->isVisible());
        destroy();
    }
}

TEST_F(TrayWindowTest, TrayArrivingBeforeTheFirstTickKeepsTheWindowHidden) {
    fakes.trayHost.present = false;
    storeCurrentSettings("1");
    create();
    fakes.trayHost.set(true);
    app->ticker().Timer1Timer();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(TrayWindowTest, TrayLeavingWhileHiddenBringsTheWindowBack) {
    startShown(false);
    menuItem("Minimizetotray1")->trigger();
    ASSERT_FALSE(form->isVisible());
    fakes.trayHost.set(false);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(fakes.taskbar.shown);
    form->MinimizeButton->click();
    EXPECT_TRUE(form->isMinimized());
    EXPECT_TRUE(form->isVisible());
    // A tray that comes back gets the icon again and hiding works as before.
    form->SysTrayIcon->hide();
    fakes.trayHost.set(true);
    EXPECT_TRUE(form->SysTrayIcon->isVisible());
    doubleClickIcon();
    form->MinimizeButton->click();
    EXPECT_FALSE(form->isVisible());
}

} // namespace
} // namespace ql
