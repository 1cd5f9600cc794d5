#pragma once

#include "platform/Platform.h"
#include "settings/Settings.h"
#include "speech/Announcer.h"
#include "speech/VoiceCatalog.h"

#include <QString>

#include <memory>

namespace ql {

class TClockData;
class TMainForm;

// The composition root: owns the settings and every object built on them, and runs start-up
// (in the constructor) and shutdown.
class ClockApp {
  public:
    ClockApp(Platform platform, QString programPath);
    ~ClockApp();
    ClockApp(const ClockApp&) = delete;
    ClockApp& operator=(const ClockApp&) = delete;

    // True when a close request ended the program while start-up still had a message open.
    bool closed() const;
    void setClockData(TClockData* data);

    const Settings& settings() const { return settings_; }
    Settings& settings() { return settings_; }
    const Announcer& announcer() const { return announcer_; }
    const VoiceCatalog& voices() const { return voices_; }
    TMainForm& mainWindow() { return *mainForm_; }

  private:
    Settings settings_;
    VoiceCatalog voices_;
    Announcer announcer_;
    std::unique_ptr<TMainForm> mainForm_;
};

} // namespace ql
