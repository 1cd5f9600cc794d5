// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarm/AlarmController.h"
#include "app/Ticker.h"
#include "common/Dialogs.h"
#include "face/ClockFace.h"
#include "info/HelpPages.h"
#include "info/InfoDesk.h"
#include "platform/Platform.h"
#include "settings/Settings.h"
#include "settings/StoredSettings.h"
#include "speech/Announcer.h"
#include "speech/LanguageMenus.h"
#include "speech/SpeechCommands.h"
#include "speech/VoiceCatalog.h"
#include "tray/TrayController.h"

#include <QString>
#include <QTimer>

#include <memory>

namespace ql {

class ClockData;
class MainWindow;

// The composition root: owns every object built on the settings, runs start-up (in the
// constructor) and shutdown, and hands each tick's changes to the objects that show them. The
// tray's objects are its children, found by name like the window's.
class ClockApp : public QObject, private TickHandler {
  public:
    // The settings are the model every view shows; a change made there reaches each of them.
    ClockApp(Platform platform, Settings& settings, const QString& programPath);
    ~ClockApp() override;
    ClockApp(const ClockApp&) = delete;
    ClockApp& operator=(const ClockApp&) = delete;

    // A close request from any source (the window, the menu, a signal, the end of the session);
    // true when the program closed.
    bool Close();
    // True once the program has closed, e.g. while start-up still had a message open.
    bool closed() const { return closed_; }
    void setClockData(ClockData* data);
    // What a double click on the tray icon does, and a dialog still open comes to the front with
    // it, so that the keyboard lands where the user can act.
    void showClock();

    const Announcer& announcer() const { return announcer_; }
    const AlarmController& alarm() const { return alarm_; }
    SpeechCommands& speechCommands() { return speech_; }

  private:
    void FormCreate();
    void PrepareVoiceFolder();
    // False while the speech holds the close back.
    bool FormCloseQuery();
    void FormDestroy();
    bool closeRequested();
    void closeWhenSilent(bool busy);
    bool pendingWork() override;
    void unitsChanged(TickUnits changed, const LocalTime& now) override;
    void tickDone(const LocalTime& now) override;
    void announceIfDue(const LocalTime& now);
    void connectWindow();
    void startupWork();
    void FirstRunExecute();

    Platform platform_;
    Dialogs dialogs_;
    Settings& settings_;
    StoredSettings stored_;
    VoiceCatalog voices_;
    Announcer announcer_;
    AlarmController alarm_;
    Ticker ticker_;
    LanguageMenus languages_;
    SpeechCommands speech_;
    HelpPages help_;
    InfoDesk info_;
    TrayController tray_; // before the window, which uses it while it starts
    std::unique_ptr<MainWindow> mainForm_;
    ClockFace face_; // after the window, whose back panel it paints
    bool closed_ = false;
    // The welcome or the upgrade news is still to be shown, from the first tick on.
    bool startupPending_ = true;
    bool firstRun_ = false;
    bool upgraded_ = false;
    bool closePending_ = false;
    // Set once a close has waited long enough for the speech to end.
    bool closeWaitOver_ = false;
    QTimer closeDeadline_;
};

} // namespace ql
