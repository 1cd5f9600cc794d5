#include "EspeakRenderer.h"

#include "Loudness.h"

#include <espeak-ng/speak_lib.h>

#include <mutex>

namespace ql::voice {
namespace {

std::mutex& espeakMutex() {
    static std::mutex m;
    return m;
}

int collect(short* wav, int count, espeak_EVENT* events) {
    auto* out = static_cast<std::vector<std::int16_t>*>(events ? events->user_data : nullptr);
    if (out && wav && count > 0) out->insert(out->end(), wav, wav + count);
    return 0;
}

// espeak-ng keeps global state and hangs when set up twice, so this happens once per process.
bool initialised() {
    static const bool ok = [] {
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (rate != static_cast<int>(EspeakRenderer::sampleRate)) return false;
        espeak_SetSynthCallback(collect);
        return true;
    }();
    return ok;
}

} // namespace

std::vector<std::int16_t> EspeakRenderer::render(const std::string& voice,
                                                 const std::string& text) {
    std::vector<std::int16_t> samples;
    try {
        std::lock_guard lock(espeakMutex());
        if (!initialised()) return {};
        if (espeak_SetVoiceByName(voice.c_str()) != EE_OK) return {};
        // A voice's own speed (Russian's, say) otherwise carries over to the next voice chosen in
        // this process, as in the tests and the benchmark.
        espeak_SetParameter(espeakRATE, espeakRATE_NORMAL, 0);
        samples.reserve(sampleRate * 3);
        const espeak_ERROR err = espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0,
                                              espeakCHARS_UTF8, nullptr, &samples);
        if (err != EE_OK) return {};
        normalisePeak(samples);
    } catch (...) {
        return {};
    }
    return samples;
}

} // namespace ql::voice
