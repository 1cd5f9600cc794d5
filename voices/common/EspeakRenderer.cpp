// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakRenderer.h"

#include "Loudness.h"
#include "Respelling.h"

#include <espeak-ng/speak_lib.h>

#include <cstdio>
#include <mutex>
#include <span>
#include <string_view>

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

// espeak-ng's data (some 400 KB) lives on the heap, and outlives the library when the voice is
// unloaded: without this, every switch of language to an espeak voice and back left it behind.
struct Teardown {
    bool armed = false;
    ~Teardown() {
        if (armed) espeak_Terminate();
    }
};

// espeak-ng keeps global state and hangs when set up twice, so this happens once per load of
// the voice, and is undone when the voice is unloaded.
bool initialised() {
    static Teardown teardown;
    static const bool ok = [] {
        const int rate =
            espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
        teardown.armed = rate > 0;
        if (rate != static_cast<int>(EspeakRenderer::sampleRate)) return false;
        espeak_SetSynthCallback(collect);
        return true;
    }();
    return ok;
}

// The one way text reaches espeak-ng. trace, when given, receives the phonemes it speaks.
bool synthesise(const std::string& voice, const std::string& text,
                std::vector<std::int16_t>& samples, std::FILE* trace) {
    std::lock_guard lock(espeakMutex());
    if (!initialised()) return false;
    if (espeak_SetVoiceByName(voice.c_str()) != EE_OK) return false;
    // A voice's own speed (Russian's, say) otherwise carries over to the next voice chosen in
    // this process, as in the tests and the benchmark.
    espeak_SetParameter(espeakRATE, espeakRATE_NORMAL, 0);
    const std::string spoken = EspeakRenderer::spokenText(voice, text);
    if (trace) espeak_SetPhonemeTrace(espeakPHONEMES_IPA, trace);
    // [[...]] carries phonemes for words no respelling gets right.
    const espeak_ERROR err = espeak_Synth(spoken.c_str(), spoken.size() + 1, 0, POS_CHARACTER, 0,
                                          espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &samples);
    if (trace) espeak_SetPhonemeTrace(0, nullptr);
    return err == EE_OK;
}

} // namespace

std::string EspeakRenderer::spokenText(const std::string& voice, const std::string& text) {
    return respell(text, respellingsForVoice(voice));
}

std::vector<std::int16_t> EspeakRenderer::render(const std::string& voice,
                                                 const std::string& text) {
    std::vector<std::int16_t> samples;
    try {
        samples.reserve(sampleRate * 3);
        if (!synthesise(voice, text, samples, nullptr)) return {};
        normaliseLoudness(samples, sampleRate);
    } catch (...) {
        return {};
    }
    return samples;
}

std::string EspeakRenderer::phonemes(const std::string& voice, const std::string& text) {
    char* buffer = nullptr;
    std::size_t size = 0;
    std::FILE* trace = open_memstream(&buffer, &size);
    if (!trace) return {};
    std::vector<std::int16_t> samples;
    bool ok = false;
    try {
        ok = synthesise(voice, text, samples, trace);
    } catch (...) {
    }
    std::fclose(trace);
    std::string out = ok && buffer ? std::string(buffer, size) : std::string();
    std::free(buffer);
    return out;
}

} // namespace ql::voice
