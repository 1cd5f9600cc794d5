#pragma once

#include "face/FaceState.h"
#include "face/WindowLimits.h"
#include "platform/LibraryLoader.h"
#include "platform/Platform.h"
#include "settings/RegistrySettings.h"
#include "settings/Settings.h"
#include "settings/SettingsCodec.h"

#include <QHash>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <cstdint>
#include <functional>

class QAction;
class QMenu;
class QToolButton;

namespace ql {

class AlarmController;
class Announcer;
class Ticker;
struct LocalTime;
class HelpPages;
class InfoDesk;
class LanguageMenus;
class SpeechCommands;
class StoredSettings;
class VoiceCatalog;
class AlarmDialog;
class ClockData;
class FaceView;
class TrayController;
class WindowDragger;

// The main window. It shows and edits the settings it is given, holds the runtime flags and all
// components, and runs start-up, the tick and shutdown.
class TMainForm : public QWidget {
    Q_OBJECT
  public:
    // Runs FormCreate before it returns. programPath is the running program file.
    TMainForm(Platform platform, Settings& settings, StoredSettings& stored, VoiceCatalog& voices,
              Announcer& announcer, LanguageMenus& languages, SpeechCommands& speech,
              HelpPages& help, InfoDesk& info, AlarmController& alarm, Ticker& ticker,
              TrayController& tray, QString programPath, QWidget* parent = nullptr);

    const SettingsRecord& cfg() const { return settings_.values(); }
    template <typename Edit> void editSettings(Edit change) { settings_.edit(change); }
    ~TMainForm() override;

    // ---- Start-up and shutdown
    void FormCreate();
    void FormCloseQuery(bool& CanClose);
    void FormDestroy();
    // The main window's close request from any source; true when the window closed.
    bool Close();
    bool closed() const { return FClosed; }
    // A close request from outside the window (signal, end of session).
    bool closeRequested();

    // ---- Settings
    void applyGlobalShortcut();
    void applyBlending();
    void settlePlacement(int triesLeft = 20);

    // ---- Settings dialog
    void SetupButtonClick();
    void Settings1Click() { SetupButtonClick(); }

    // ---- Commands of the buttons, the popup menu and the keyboard
    void OptionsButtonClick();
    QPoint OptionsMenuPoint() const; // where OptionsButtonClick pops the menu up
    // True when the key was one of the window's commands.
    bool FormKeyDown(int Key, Qt::KeyboardModifiers Shift);

    // ---- Clock tick: each step runs when its unit of the time changed
    // Start-up windows and a deferred close; false when the window closed.
    bool pendingWork();
    void setTime(const LocalTime& t);
    void secondChanged();
    void minuteChanged();
    void hourChanged();
    void dayChanged();

    // ---- Clock face and layouts
    void FormPaint();
    void UpdateHours();
    void UpdateMinutes();
    void UpdateSeconds();
    void UpdateDate();
    void UpdateMiniTime();
    void BlinkMiniColon();
    void ChangeMode();
    void ChangeButtonMode();
    void MI_smallClick();
    void MI_bigClick();
    // Only the button matters: the left one drags the window.
    void BackPanelMouseDown(Qt::MouseButton Button);
    void setClockData(ClockData* data);
    WindowDragger* Dragger = nullptr;

    // Opacity 0..1 where the desktop allows it (blending and its preview).
    void setBlending(double level);
    // False, said once, where the desktop keeps that decision to itself.
    bool windowAllows(WindowFeature feature) { return FWindowLimits.allows(feature); }

    // ---- Speech
    void PrepareVoiceFolder();

    // ---- Alarm
    void Alarm();
    void AlarmButtonClick();
    void raiseForAlarm();

    // ---- Information windows and help
    void FirstRunExecute();

    // ---- Runtime flags
    bool FFirstRun = false;
    bool FUpgraded = false;
    bool FStartupPending = true;
    bool FClosePending = false;

    // ---- Decoded time (written only by start-up and the tick)
    std::uint16_t CurHour = 0, CurMin = 0, CurSec = 0, CurDay = 0, CurDayOfWeek = 0;

    QString ProgramDir; // with a trailing '/'

    // ---- Components
    FaceView* BackPanel = nullptr; // the back panel and the clock face
    QToolButton* AlarmButton = nullptr;
    QToolButton* SetupButton = nullptr;
    QToolButton* OptionsButton = nullptr;
    QToolButton* HelpButton = nullptr;
    QToolButton* AnnounceButton = nullptr;
    QToolButton* LangSelButton = nullptr;
    QToolButton* MinimizeButton = nullptr;
    QMenu* MainPopupMenu = nullptr;
    QMenu* LangMenu = nullptr;
    QAction* MI_Speak = nullptr;
    QAction* MI_Selectlanguage = nullptr;
    QMenu* SelectLanguageMenu = nullptr;
    QAction* MI_big = nullptr;
    QAction* MI_small = nullptr;
    QAction* Exit2 = nullptr;

    Platform platform() const { return P; }

  signals:
    // The window has closed for good: the program is ending.
    void closing();
    // The "_" button and "&Minimize to tray": the window goes to the notification area.
    void minimizeClicked();
    void minimizeToTrayChosen();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void createComponents();
    void createPopupMenu();
    void createButtons();
    void setButtonIcons();
    void createFace();
    FaceOptions faceOptions() const;
    void applyFrame();
    void applyControls();
    void startupWork();
    // Runs work from its own event once the current tick is over, unless the program has closed.
    void afterTick(std::function<void()> work);
    void closeWhenSilent(bool busy);
    // One dialog of a kind at a time: the notification-area menu works while one is open.
    template <typename Dialog> bool raiseIfOpen() {
        auto* open = findChild<Dialog*>(QString(), Qt::FindDirectChildrenOnly);
        if (!open) return false;
        open->raise();
        open->activateWindow();
        return true;
    }
    void showSpeechState(bool busy);
    void applyOnTop();
    void applyDialogSettings(const SettingsRecord& chosen);
    void placeFromSettings(const RegistrySettings::Loaded& loaded);
    WindowPosition savedPosition();
    void keepWholeOnDesktop(QSize outer);
    QPoint wholeOnDesktop(QSize outer) const;
    bool fitsOnDesktop(QSize outer) const;

    Platform P;
    Settings& settings_;
    StoredSettings& stored_;
    VoiceCatalog& voices_;
    Announcer& announcer_;
    LanguageMenus& languages_;
    SpeechCommands& speech_;
    HelpPages& help_;
    InfoDesk& info_;
    AlarmController& alarm_;
    Ticker& ticker_;
    TrayController& tray_;
    WindowLimits FWindowLimits{P.desktop};
    QString ProgramPath;
    bool FClosed = false;
    // Set once a close has waited long enough for the speech to end.
    bool FCloseWaitOver = false;
    QTimer FCloseDeadline;
    QPoint FPlacedAt; // outer position from the settings
    bool FPlacementPending = false;
};

} // namespace ql
