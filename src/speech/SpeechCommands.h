#pragma once

namespace ql {

class Announcer;
class Settings;

// The user's requests to hear the time: the announce button, the menu item, the hot key and the
// remote "--speak". Each speaks at the stored speech volume.
class SpeechCommands {
  public:
    SpeechCommands(const Settings& settings, Announcer& announcer);

    void AnnounceButtonClick();
    void Speak1Click();
    void GlobalSpeechKeyKeyDown();
    // An announcement at a trial volume; the stored one stays.
    void announceAtVolume(int volume);

  private:
    const Settings& settings_;
    Announcer& announcer_;
};

} // namespace ql
