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
    // Holds the hot key or lets it go, as the settings say; a key another program holds is
    // tried again at each call. Start-up calls it once the settings are read; from then on every
    // change of the settings does.
    void applyGlobalShortcut();

  private:
    const Settings& settings_;
    Announcer& announcer_;
    GlobalSpeechKey key_;
    bool following_ = false;
};

} // namespace ql
