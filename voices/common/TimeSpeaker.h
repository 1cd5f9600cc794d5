#pragma once

#include "Phrases.h"

#include <atomic>
#include <functional>

namespace ql::voice {

// What distinguishes one plug-in from another.
struct VoiceSetup {
    const char* espeakVoice; // e.g. "de+max"
    PhraseFn phrase;
};

// Optional observers, used by the benchmark.
struct SpeakHooks {
    std::function<void()> onFirstWrite;      // the first samples reached the sound server
    const std::atomic<bool>* stop = nullptr; // cut playback short
};

// Speaks hour:minute and returns once it has been heard, or at once when there is nothing to
// play on. Never throws.
void speakTime(const VoiceSetup& voice, int hour, int minute,
               const SpeakHooks& hooks = {}) noexcept;

// The body of every plug-in's Speak: the current local time, spoken.
void speakNow(const VoiceSetup& voice) noexcept;

} // namespace ql::voice
