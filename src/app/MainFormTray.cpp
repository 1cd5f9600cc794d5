#include "app/MainForm.h"

#include "face/ClockData.h"
#include "platform/LocalClock.h"
#include "platform/TaskbarButton.h"
#include "platform/TrayHost.h"
#include "tray/TrayHint.h"
#include "tray/TrayIconDrawing.h"
#include "tray/TrayIconPainter.h"

#include <QDateTime>
#include <QEvent>
#include <QIcon>
#include <QMenu>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include <cstdio>

namespace ql {
namespace {

constexpr int kTrayGraceMs = 30000;

void reportNoTray() {
    static bool said = false;
    if (said) return;
    said = true;
    std::fputs("quorlan-lite: no notification area (system tray) found; the clock window stays "
               "on the desktop and minimises normally\n",
               stderr);
}

} // namespace

void TMainForm::setupTrayIcon() {
    SysTrayIcon = new QSystemTrayIcon(this);
    SysTrayIcon->setObjectName("SysTrayIcon");
    SysTrayIcon->setContextMenu(MainPopupMenu);
    connect(SysTrayIcon, &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason why) {
                const bool primary =
                    why == QSystemTrayIcon::DoubleClick ||
                    (why == QSystemTrayIcon::Trigger && P.trayHost.activatesOnClick());
                if (primary) SysTrayDblClick();
            });
    bool showMainForm = true;
    SysTrayIconStartup(showMainForm);
    if (!showMainForm) HideMainWindow();
}

// Start-up, once the icon and hint are set: the icon appears, and without a notification area
// the window is shown whatever the user chose, so the clock cannot get lost.
void TMainForm::showTrayIcon() {
    FTrayAvailable = P.trayHost.available();
    if (FTrayAvailable) {
        SysTrayIcon->show();
    } else {
        reportNoTray();
        FShowPending = true;
        // Started with the session, the clock may come up just before the panel that holds the
        // tray: if the tray turns up soon, the window goes where the user wanted it.
        FAwaitingTray = cfg().FStartInTray;
        QTimer::singleShot(kTrayGraceMs, this, [this] { FAwaitingTray = false; });
    }
    P.trayHost.watch([this](bool available) { trayHostChanged(available); });
}

void TMainForm::trayHostChanged(bool available) {
    FTrayAvailable = available;
    if (available) {
        // A restarted panel knows nothing of the old icon: dock it again.
        SysTrayIcon->hide();
        SysTrayIcon->show();
        if (FAwaitingTray) {
            FShowPending = false; // the first tick may not even have come yet
            if (isVisible() && !isMinimized()) HideMainWindow();
        }
        FAwaitingTray = false;
        return;
    }
    reportNoTray();
    if (isVisible() && !isMinimized()) return;
    if (!isVisible()) ShowMainWindow();
    ShowTaskbarButton(); // the only way back to the window without the icon
}

void TMainForm::DrawTrayIcon() {
    static const QImage face = ClockData::clockFaceIcon();
    const QImage bitmap = TrayIconPainter::paint(face, CurHour, CurMin);
    SysTrayIcon->setIcon(TrayIconDrawing::icon(bitmap, CurHour, CurMin));
}

void TMainForm::UpdateTrayHint() {
    static const TrayHint hint;
    const LocalTime t = P.clock.now();
    // No QDateTime: its time-zone lookup would cost more than the rest of the tick.
    SysTrayIcon->setToolTip(
        hint.text(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second)));
}

void TMainForm::ShowMainWindow() {
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    settlePlacement();
}

void TMainForm::HideMainWindow() {
    if (!FTrayAvailable) {
        // Nowhere to hide to: minimise, and keep a taskbar button to come back by.
        ShowTaskbarButton();
        showMinimized();
        return;
    }
    hide();
    HideTaskbarButton();
}

void TMainForm::ShowTaskbarButton() {
    P.taskbar.show(*this);
}

void TMainForm::HideTaskbarButton() {
    if (windowAllows(WindowFeature::TaskbarButton)) P.taskbar.hide(*this);
}

// After a dialog the button is what the user chose, not hidden regardless: hiding it undid
// "Show program in taskbar" the moment it was confirmed.
void TMainForm::followTaskbarSetting() {
    if (cfg().FShowInTaskbar)
        ShowTaskbarButton();
    else
        HideTaskbarButton();
}

void TMainForm::SysTrayDblClick() {
    ShowMainWindow();
    if (cfg().FShowInTaskbar)
        ShowTaskbarButton();
    else
        HideTaskbarButton();
}

// The icon asks this while the window is still being built, before the settings are read, so
// the answer is always "show"; whether the window appears is decided by start-up alone.
void TMainForm::SysTrayIconStartup(bool& ShowMainForm) {
    ShowMainForm = !cfg().FStartInTray;
}

void TMainForm::MinimizeButtonClick() {
    HideMainWindow();
}

void TMainForm::Minimizetotray1Click() {
    HideMainWindow();
}

// The title bar's minimise box hides the window to the icon as well.
void TMainForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange || !FTrayAvailable) return;
    if (isMinimized() && isVisible())
        QMetaObject::invokeMethod(
            this, [this] { HideMainWindow(); }, Qt::QueuedConnection);
}

} // namespace ql
