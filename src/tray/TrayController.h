// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tray/TrayHint.h"
#include "tray/WindowLimits.h"

#include <QIcon>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>
#include <QWidget>

class QMenu;

namespace ql {

class DesktopGeometry;
class LocalClock;
class Settings;
class SettingsChange;
class TaskbarButton;
class TrayHost;

// The notification-area icon (its hands and hint) and the way the main window hides to it and
// comes back, with the taskbar-button rule in one place. Without a tray the window must stay
// reachable: it is shown at start and minimised rather than hidden.
class TrayController : public QObject {
    Q_OBJECT
  public:
    struct Services {
        TrayHost& host;
        TaskbarButton& taskbar;
        const LocalClock& clock;
        const DesktopGeometry& desktop;
    };

    // clockFace is the icon's dial, without hands.
    TrayController(const Settings& settings, Services services, QImage clockFace,
                   QObject* parent = nullptr);

    // The window it hides and shows, and the menu the icon opens. Until then (or once the window
    // is gone) hiding and showing do nothing.
    void attach(QWidget& window, QMenu* menu);
    // Start-up, once the settings are read and the icon drawn: the icon appears, and without a
    // notification area the window is left to be shown whatever the user chose. From here on
    // the taskbar button follows the settings.
    void start();
    // The end of the run.
    void removeIcon();

    void DrawTrayIcon(int hour, int minute);
    void UpdateTrayHint();
    void ShowMainWindow();
    void HideMainWindow();
    void ShowTaskbarButton();
    void HideTaskbarButton();
    // The button as "Show program in taskbar" says.
    void followTaskbarSetting();
    void SysTrayDblClick();
    // The alarm's alert comes up with the window, when the window is on screen.
    void raiseForAlarm();
    // Whether the window is shown as it is built.
    bool SysTrayIconStartup() const;
    void MinimizeButtonClick();
    void Minimizetotray1Click();

    // The first tick shows the window when start-up left it to be shown.
    bool showPending() const { return showPending_; }
    void showPendingWindow();

  signals:
    // The window was just shown: its placement may settle now that the frame is known.
    void windowShown();

  protected:
    // The title bar's minimise box hides the window to the icon as well.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void showSettings(const SettingsChange& change);
    void reportNoTray();
    void activated(QSystemTrayIcon::ActivationReason why);
    void hostChanged(bool available);
    bool windowOnScreen() const;
    void createIcon();
    QMenu* dbusMenu();

    const Settings& settings_;
    Services services_;
    WindowLimits limits_;
    const QImage clockFace_;
    const TrayHint hint_;
    const TrayHint minuteHint_{QLocale::system(), TrayHint::Precision::Minutes};
    // Made only once a tray exists: Qt chooses between D-Bus and XEmbed when the first icon is
    // made, for good, so a D-Bus panel that comes later must find no icon made before it.
    QSystemTrayIcon* icon_ = nullptr;
    QIcon picture_;
    QString hintText_;
    QPointer<QWidget> window_;
    QPointer<QMenu> menu_;
    QMenu* dbusMenu_ = nullptr; // the tray's own copy, with "Show clock" first
    bool servedOverDBus_ = false;
    bool available_ = true;
    bool showPending_ = false;
    bool awaitingTray_ = false; // shown only for want of a tray, at the start of the session
    bool noTraySaid_ = false;
};

} // namespace ql
