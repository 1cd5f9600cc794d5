#include "speech/SpeechCommands.h"

#include "settings/Settings.h"
#include "speech/Announcer.h"

namespace ql {

SpeechCommands::SpeechCommands(const Settings& settings, Announcer& announcer)
    : settings_(settings), announcer_(announcer) {}

void SpeechCommands::AnnounceButtonClick() {
    announceAtVolume(settings_.values().FSpeechVolume);
}

void SpeechCommands::Speak1Click() {
    AnnounceButtonClick();
}

void SpeechCommands::GlobalSpeechKeyKeyDown() {
    AnnounceButtonClick();
}

void SpeechCommands::announceAtVolume(int volume) {
    announcer_.announce(volume);
}

} // namespace ql
