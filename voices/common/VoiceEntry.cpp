// The exported entry of one plug-in; built once per voice with QL_VOICE_NAME (the engine's voice
// name), QL_VOICE_PHRASE (the language's phrase function), QL_VOICE_RENDERER (the engine's
// renderer class) and QL_VOICE_RENDERER_HEADER defined by the build.
#include "TimeSpeaker.h"

#include QL_VOICE_RENDERER_HEADER

extern "C" __attribute__((visibility("default"))) void Speak(void) {
    using Renderer = ql::voice::QL_VOICE_RENDERER;
    static const ql::voice::VoiceSetup voice{QL_VOICE_NAME, &ql::voice::QL_VOICE_PHRASE,
                                             &Renderer::render, Renderer::sampleRate};
    ql::voice::speakNow(voice);
}
