// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/RegistrySettings.h"
#include "settings/Settings.h"
#include "settings/SettingsCodec.h"
#include "tray/WindowLimits.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <optional>

class QAction;
class QMenu;
class QMoveEvent;
class QTimer;
class QToolButton;

namespace ql {

class AlarmController;
class DesktopGeometry;
class Dialogs;
class Announcer;
class HelpPages;
class InfoDesk;
class LanguageMenus;
class SpeechCommands;
class StoredSettings;
class AlarmDialog;
class FaceView;
class TrayController;
class WindowDragger;

// The main window: the face, its buttons, menus and keys. It shows the settings and the time it
// is given and hands the user's gestures to the objects that act on them. ClockApp runs start-up
// and shutdown; the window does its own part of each.
class MainWindow : public QWidget {
    Q_OBJECT
  public:
    struct Services {
        DesktopGeometry& desktop;
        Dialogs& dialogs;
    };
    MainWindow(Services services, Settings& settings, StoredSettings& stored, Announcer& announcer,
               LanguageMenus& languages, SpeechCommands& speech, HelpPages& help, InfoDesk& info,
               AlarmController& alarm, TrayController& tray, QWidget* parent = nullptr);
    ~MainWindow() override;

    // ---- Start-up and shutdown
    void startUp(const RegistrySettings::Loaded& placement);
    void showStoredSettings();
    // The program is ending.
    void shutDown();

    // The back panel, which shows the face.
    FaceView& face() const { return *faceView_; }
    // The window was shown: its frame goes where it belongs once the window manager has framed
    // it, kept on the desktop's monitors.
    void windowShown();

  signals:
    // A settings or alarm dialog opens, or has closed: the taskbar button is what the user chose,
    // not whatever the dialog left behind.
    void dialogOpens();
    void dialogClosed();
    // The window's close button or "Close application".
    void closeAsked();
    // The "_" button and "&Minimize to tray": the window goes to the notification area.
    void minimizeClicked();
    void minimizeToTrayChosen();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

  private:
    const SettingsRecord& cfg() const { return settings_.values(); }
    template <typename Edit> void editSettings(Edit change) { settings_.edit(change); }

    // ---- Settings
    void showSettings(const SettingsChange& change);
    void applySpeakShortcut();
    void applyBlending();
    void applyOnTop();
    // Opacity 0..1 where the desktop allows it (blending and its preview).
    void setBlending(double level);
    // False, said once, where the desktop keeps that decision to itself.
    bool windowAllows(WindowFeature feature) { return windowLimits_.allows(feature); }

    // ---- Dialogs
    void SetupButtonClick();
    void Settings1Click() { SetupButtonClick(); }
    void AlarmButtonClick();

    // ---- Commands of the buttons, the popup menu and the keyboard
    void OptionsButtonClick();
    QPoint OptionsMenuPoint() const; // where OptionsButtonClick pops the menu up
    // True when the key was one of the window's commands.
    bool FormKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void openMenuFromKeyboard();
    void retellFocus();
    bool pressFocusedButton();
    void createComponents();
    void createPopupMenu();
    void createButtons();
    void setButtonIcons();

    // ---- Clock face and layouts
    void createFace();
    void ChangeMode();
    void ChangeButtonMode();
    void MI_smallClick();
    void MI_bigClick();
    void applyFrame();
    void applyControls();
    // Only the button matters: the left one drags the window.
    void BackPanelMouseDown(Qt::MouseButton button);

    // ---- Placement
    void placeFromSettings(const RegistrySettings::Loaded& loaded);
    WindowPosition savedPosition() const;
    void startPlacing(bool fit);
    void settlePlacement(int triesLeft);
    void placeAt(QPoint at);
    QRect nativeFrame() const;
    void userMoved();
    void keepWholeOnDesktop(QSize outer);
    QPoint wholeOnDesktop(QSize outer) const;
    bool fitsOnDesktop(QSize outer) const;

    // ---- Speech and alarm
    void showSpeechState(bool busy);

    DesktopGeometry& desktop_;
    Dialogs& dialogs_;
    Settings& settings_;
    StoredSettings& stored_;
    Announcer& announcer_;
    LanguageMenus& languages_;
    SpeechCommands& speech_;
    HelpPages& help_;
    InfoDesk& info_;
    AlarmController& alarm_;
    TrayController& tray_;
    WindowLimits windowLimits_{desktop_};
    bool started_ = false;
    bool closed_ = false;
    QPoint chosenAt_; // outer position the user chose: the stored one, until the user moves
    QPoint placedAt_; // outer position shown, chosenAt_ kept on the monitors
    bool placementPending_ = false;
    bool fitPending_ = false;
    bool everShown_ = false;
    std::optional<QPoint> oldFrameOffset_; // client's offset in the frame before the frame changed
    QTimer* placingTimer_ = nullptr; // runs while moves are the window manager's answer to ours

    // ---- Components
    FaceView* faceView_ = nullptr; // the back panel and the clock face
    WindowDragger* dragger_ = nullptr;
    QToolButton* alarmButton_ = nullptr;
    QToolButton* setupButton_ = nullptr;
    QToolButton* optionsButton_ = nullptr;
    QToolButton* helpButton_ = nullptr;
    QToolButton* announceButton_ = nullptr;
    QToolButton* languageButton_ = nullptr;
    QToolButton* minimizeButton_ = nullptr;
    QMenu* popupMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    QAction* speakAction_ = nullptr;
    QAction* languageAction_ = nullptr;
    QMenu* languageSubmenu_ = nullptr;
    QAction* bigAction_ = nullptr;
    QAction* smallAction_ = nullptr;
    QAction* closeAction_ = nullptr;
};

} // namespace ql
