// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/TrayController.h"

#include "platform/LocalClock.h"
#include "platform/TaskbarButton.h"
#include "platform/TrayHost.h"
#include "settings/Settings.h"
#include "tray/TrayHint.h"
#include "tray/TrayIconDrawing.h"
#include "tray/TrayIconPainter.h"

#include <QEvent>
#include <QMenu>
#include <QTimer>

#include <cstdio>
#include <utility>

namespace ql {
namespace {

constexpr int kTrayGraceMs = 30000;

} // namespace

// Once a run: a panel that comes and goes must not fill the log.
void TrayController::reportNoTray() {
    if (noTraySaid_) return;
    noTraySaid_ = true;
    std::fputs("quorlan-lite: no notification area (system tray) found; the clock window stays "
               "on the desktop and minimises normally\n",
               stderr);
}

TrayController::TrayController(const Settings& settings, Services services, QImage clockFace,
                               QObject* parent)
    : QObject(parent), settings_(settings), services_(services), limits_(services.desktop),
      clockFace_(std::move(clockFace)) {}

void TrayController::createIcon() {
    icon_ = new QSystemTrayIcon(this);
    icon_->setObjectName("SysTrayIcon");
    connect(icon_, &QSystemTrayIcon::activated, this, &TrayController::activated);
    servedOverDBus_ = services_.host.activatesOnClick();
    icon_->setIcon(picture_);
    hintText_.clear();
    UpdateTrayHint();
    icon_->setContextMenu(servedOverDBus_ ? dbusMenu() : menu_.data());
}

// GNOME's AppIndicator opens the menu on a single click and keeps the double-click to itself, so
// the D-Bus copy of the menu offers the way back to the window first.
QMenu* TrayController::dbusMenu() {
    if (!menu_) return nullptr;
    if (!dbusMenu_) {
        dbusMenu_ = new QMenu(window_);
        dbusMenu_->setObjectName("TrayPopupMenu");
        QAction* show = dbusMenu_->addAction("Show clock");
        show->setObjectName("MI_ShowClock");
        connect(show, &QAction::triggered, this, &TrayController::SysTrayDblClick);
        dbusMenu_->addActions(menu_->actions());
    }
    return dbusMenu_;
}

void TrayController::attach(QWidget& window, QMenu* menu) {
    window_ = &window;
    window.installEventFilter(this);
    menu_ = menu;
    if (icon_) icon_->setContextMenu(servedOverDBus_ ? dbusMenu() : menu);
    if (!SysTrayIconStartup()) HideMainWindow();
}

void TrayController::start() {
    available_ = services_.host.available();
    showPending_ = !settings_.values().FStartInTray;
    if (available_) {
        createIcon();
        icon_->show();
    } else {
        reportNoTray();
        showPending_ = true;
        // Started with the session, the clock may come up just before the panel that holds the
        // tray: if the tray turns up soon, the window goes where the user wanted it.
        awaitingTray_ = settings_.values().FStartInTray;
        QTimer::singleShot(kTrayGraceMs, this, [this] { awaitingTray_ = false; });
    }
    services_.host.watch([this](bool available) { hostChanged(available); });
    // After the window's own observers: a new layout re-creates the native window.
    connect(&settings_, &Settings::changed, this, &TrayController::showSettings);
}

// A new native window has forgotten whether it keeps a taskbar button.
void TrayController::showSettings(const SettingsChange& change) {
    using R = SettingsRecord;
    const bool reframed =
        change.hasAny(&R::FWindowless, &R::FSmallMode) && window_ && window_->isVisible();
    if (change.has(&R::FShowInTaskbar) || reframed) followTaskbarSetting();
}

void TrayController::removeIcon() {
    if (icon_) icon_->hide();
}

void TrayController::activated(QSystemTrayIcon::ActivationReason why) {
    // XEmbed trays send a click before every double-click; D-Bus panels send only the click.
    const bool primary = why == QSystemTrayIcon::DoubleClick ||
                         (why == QSystemTrayIcon::Trigger && services_.host.activatesOnClick());
    if (primary) SysTrayDblClick();
}

bool TrayController::windowOnScreen() const {
    return window_ && window_->isVisible() && !window_->isMinimized();
}

void TrayController::hostChanged(bool available) {
    available_ = available;
    if (available) {
        if (!icon_) createIcon();
        // A restarted panel knows nothing of the old icon: dock it again.
        icon_->hide();
        icon_->show();
        if (awaitingTray_) {
            showPending_ = false; // the first tick may not even have come yet
            if (windowOnScreen()) HideMainWindow();
        }
        awaitingTray_ = false;
        return;
    }
    reportNoTray();
    if (!window_ || windowOnScreen()) return;
    if (!window_->isVisible()) ShowMainWindow();
    ShowTaskbarButton(); // the only way back to the window without the icon
}

void TrayController::DrawTrayIcon(int hour, int minute) {
    const QImage bitmap = TrayIconPainter::paint(clockFace_, hour, minute);
    picture_ = TrayIconDrawing::icon(bitmap, hour, minute);
    if (icon_) icon_->setIcon(picture_);
}

void TrayController::UpdateTrayHint() {
    const LocalTime t = services_.clock.now();
    const TrayHint& hint = servedOverDBus_ ? minuteHint_ : hint_;
    // No QDateTime: its time-zone lookup would cost more than the rest of the tick.
    QString text = hint.text(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
    // Over D-Bus every setToolTip is a signal to the panel, even with the same text.
    if (text == hintText_) return;
    hintText_ = std::move(text);
    if (icon_) icon_->setToolTip(hintText_);
}

void TrayController::ShowMainWindow() {
    if (!window_) return;
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    emit windowShown();
}

void TrayController::HideMainWindow() {
    if (!window_) return;
    if (!available_) {
        // Nowhere to hide to: minimise, and keep a taskbar button to come back by.
        ShowTaskbarButton();
        window_->showMinimized();
        return;
    }
    window_->hide();
    HideTaskbarButton();
}

void TrayController::ShowTaskbarButton() {
    if (window_) services_.taskbar.show(*window_);
}

// Start-up and hiding to the tray drop the button whatever the user chose; where the desktop
// keeps it, only the user's own choice to have none is worth a line.
void TrayController::HideTaskbarButton() {
    if (!window_) return;
    const bool allowed = settings_.values().FShowInTaskbar
                             ? services_.desktop.allows(WindowFeature::TaskbarButton)
                             : limits_.allows(WindowFeature::TaskbarButton);
    if (allowed) services_.taskbar.hide(*window_);
}

// After a dialog the button is what the user chose, not hidden regardless: hiding it undid
// "Show program in taskbar" the moment it was confirmed.
void TrayController::followTaskbarSetting() {
    if (settings_.values().FShowInTaskbar)
        ShowTaskbarButton();
    else
        HideTaskbarButton();
}

void TrayController::SysTrayDblClick() {
    ShowMainWindow();
    followTaskbarSetting();
}

void TrayController::raiseForAlarm() {
    if (!window_ || !window_->isVisible()) return;
    window_->raise();
    window_->activateWindow();
}

// Asked while the window is still being built, before the settings are read, so the answer is
// always "show"; whether the window appears is decided by start-up alone.
bool TrayController::SysTrayIconStartup() const {
    return !settings_.values().FStartInTray;
}

void TrayController::MinimizeButtonClick() {
    HideMainWindow();
}

void TrayController::Minimizetotray1Click() {
    HideMainWindow();
}

void TrayController::showPendingWindow() {
    if (!showPending_) return;
    ShowMainWindow();
    followTaskbarSetting();
    showPending_ = false;
}

bool TrayController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::WindowStateChange && available_ &&
        window_->isMinimized() && window_->isVisible()) {
        // Queued: the window manager is still minimising the window.
        QMetaObject::invokeMethod(
            window_, [this] { HideMainWindow(); }, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace ql
