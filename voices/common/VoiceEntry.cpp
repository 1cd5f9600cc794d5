// SPDX-License-Identifier: GPL-3.0-or-later
// The exported entry of one plug-in; built once per voice with QL_VOICE_NAME (the engine's voice
// name), QL_VOICE_PHRASE (the language's phrase function), QL_VOICE_RENDERER (the engine's
// renderer class) and QL_VOICE_RENDERER_HEADER defined by the build.
#include "TimeSpeaker.h"

#include QL_VOICE_RENDERER_HEADER

#include <dlfcn.h>

#include <algorithm>

namespace {

using Renderer = ql::voice::QL_VOICE_RENDERER;

// Engines that can hand over samples while still rendering do so.
template <typename R> constexpr ql::voice::StreamFn streamOf() {
    if constexpr (requires { &R::stream; })
        return &R::stream;
    else
        return nullptr;
}

// The speech volume of the program that loaded this voice, looked up once as it loads. A program
// that offers none (a test, another clock) hears the voice at its own level.
using GainFn = double (*)();
const GainFn programGain = reinterpret_cast<GainFn>(dlsym(RTLD_DEFAULT, "ql_output_gain"));

double gainNow() {
    return programGain ? std::clamp(programGain(), 0.0, 1.0) : 1.0;
}

} // namespace

extern "C" __attribute__((visibility("default"))) void Speak(void) {
    static const ql::voice::VoiceSetup voice{QL_VOICE_NAME, &ql::voice::QL_VOICE_PHRASE,
                                             &Renderer::render, Renderer::sampleRate,
                                             streamOf<Renderer>()};
    ql::voice::speakNow(voice, gainNow());
}
