// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Phrases.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ql::voice {

// An engine's renderer (EspeakRenderer::render, FliteRenderer::render): the voice's samples for
// the text, mono 16-bit, empty when the engine or voice is unavailable.
using RenderFn = std::vector<std::int16_t> (*)(const std::string& voice, const std::string& text);

// An engine that hands its samples over while it is still rendering (FliteRenderer::stream):
// sink receives each piece and returns false to stop; false when the engine or voice failed.
using StreamFn = bool (*)(const std::string& voice, const std::string& text,
                          const std::function<bool(const std::int16_t*, std::size_t)>& sink);

// What distinguishes one plug-in from another. The engine is chosen when the plug-in is built, so
// a plug-in carries only its own engine.
struct VoiceSetup {
    const char* engineVoice; // the engine's name for it, e.g. "de+max" (espeak-ng), "slt" (flite)
    PhraseFn phrase;
    RenderFn render;
    unsigned sampleRate;       // of what render and stream give
    StreamFn stream = nullptr; // when set, playback starts with the first piece rendered
};

// How to play: the level, and optional observers used by the benchmark.
struct SpeakHooks {
    double gain = 1.0;                       // on every sample: the program's speech volume
    std::function<void()> onFirstWrite;      // the first samples reached the sound server
    const std::atomic<bool>* stop = nullptr; // cut playback short
};

// Speaks hour:minute and returns once it has been heard, or at once when there is nothing to
// play on. Never throws.
void speakTime(const VoiceSetup& voice, int hour, int minute,
               const SpeakHooks& hooks = {}) noexcept;

// The body of every plug-in's Speak: the current local time, spoken at the given gain.
void speakNow(const VoiceSetup& voice, double gain) noexcept;

} // namespace ql::voice
