// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/GlobalSpeechKey.h"

#include "platform/GlobalHotKey.h"

namespace ql {

GlobalSpeechKey::GlobalSpeechKey(GlobalHotKey& key, QObject* parent) : QObject(parent), key_(key) {}

GlobalSpeechKey::~GlobalSpeechKey() {
    setActive(false);
}

void GlobalSpeechKey::setActive(bool on) {
    active_ = on;
    if (on && !grabbed_) grabbed_ = key_.grab([this] { emit keyDown(); });
    if (!on && grabbed_) {
        key_.release();
        grabbed_ = false;
    }
}

} // namespace ql
