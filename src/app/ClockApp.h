#pragma once

#include "alarm/AlarmController.h"
#include "app/Ticker.h"
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

#include <memory>

namespace ql {

class ClockData;
class TMainForm;

// The composition root: owns the settings and every object built on them, runs start-up (in
// the constructor) and shutdown, and hands each tick's changes to the objects that show them.
class ClockApp : private TickHandler {
  public:
    ClockApp(Platform platform, QString programPath);
    ~ClockApp() override;
    ClockApp(const ClockApp&) = delete;
    ClockApp& operator=(const ClockApp&) = delete;

    // True when a close request ended the program while start-up still had a message open.
    bool closed() const;
    void setClockData(ClockData* data);

    const Settings& settings() const { return settings_; }
    const Announcer& announcer() const { return announcer_; }
    const VoiceCatalog& voices() const { return voices_; }
    const AlarmController& alarm() const { return alarm_; }
    Ticker& ticker() { return ticker_; }
    SpeechCommands& speechCommands() { return speech_; }
    LanguageMenus& languageMenus() { return languages_; }
    TrayController& tray() { return tray_; }
    TMainForm& mainWindow() { return *mainForm_; }

  private:
    bool pendingWork() override;
    void unitsChanged(TickUnits changed, const LocalTime& now) override;
    void tickDone(const LocalTime& now) override;
    void announceIfDue(int minute);
    void connectWindow();

    Settings settings_;
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
    std::unique_ptr<TMainForm> mainForm_;
};

} // namespace ql
