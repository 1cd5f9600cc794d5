#pragma once

#include "Phrases.h"

#include <functional>

namespace ql::voice {

// What distinguishes one plug-in from another.
struct VoiceSpec {
    const char* espeakVoice; // e.g. "de+max"
    PhraseFn phrase;
};

// Speaks hour:minute and returns once it has been heard, or at once when there is nothing to
// play on. onFirstWrite (optional) runs when the first samples reach the sound server.
// Never throws.
void speakTime(const VoiceSpec& voice, int hour, int minute,
               const std::function<void()>& onFirstWrite = {}) noexcept;

// The body of every plug-in's Speak: the current local time, spoken.
void speakNow(const VoiceSpec& voice) noexcept;

} // namespace ql::voice
