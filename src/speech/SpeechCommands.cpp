// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SpeechCommands.h"

#include "settings/Settings.h"
#include "speech/Announcer.h"

namespace ql {

SpeechCommands::SpeechCommands(const Settings& settings, Announcer& announcer, GlobalHotKey& hotKey)
    : settings_(settings), announcer_(announcer), key_(hotKey) {
    QObject::connect(&key_, &GlobalSpeechKey::keyDown, &key_, [this] { GlobalSpeechKeyKeyDown(); });
}

void SpeechCommands::start() {
    applyGlobalShortcut();
    QObject::connect(&settings_, &Settings::changed, &key_, [this] { applyGlobalShortcut(); });
}

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

void SpeechCommands::applyGlobalShortcut() {
    key_.setActive(settings_.values().FGlobalShortcut);
}

} // namespace ql
