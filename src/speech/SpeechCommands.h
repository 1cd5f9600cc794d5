// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "speech/GlobalSpeechKey.h"

namespace ql {

class Announcer;
class GlobalHotKey;
class Settings;

// The user's requests to hear the time: the announce button, the menu item, the system-wide hot
// key and the remote "--speak". Each speaks at the stored speech volume.
class SpeechCommands {
  public:
    SpeechCommands(const Settings& settings, Announcer& announcer, GlobalHotKey& hotKey);

    void AnnounceButtonClick();
    void Speak1Click();
    void GlobalSpeechKeyKeyDown();
    // An announcement at a trial volume; the stored one stays.
    void announceAtVolume(int volume);
    // Start-up, once the settings are read: the hot key is held or let go as they say, and again
    // at every change of them, which also retries a key another program held.
    void start();

  private:
    void applyGlobalShortcut();

    const Settings& settings_;
    Announcer& announcer_;
    GlobalSpeechKey key_;
};

} // namespace ql
