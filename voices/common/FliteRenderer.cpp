#include "FliteRenderer.h"

#include "Loudness.h"

#include <flite/flite.h>

#include <memory>
#include <mutex>

// The voice libraries ship no header of their own.
extern "C" cst_voice* register_cmu_us_slt(const char* voxdir);
extern "C" void unregister_cmu_us_slt(cst_voice* voice);

namespace ql::voice {
namespace {

std::mutex& fliteMutex() {
    static std::mutex m;
    return m;
}

struct VoiceDeleter {
    void operator()(cst_voice* v) const { unregister_cmu_us_slt(v); }
};

// Registered once per process and released when the plug-in is unloaded, so that loading and
// unloading a voice again and again does not leak it.
cst_voice* slt() {
    static const std::unique_ptr<cst_voice, VoiceDeleter> voice = [] {
        flite_init();
        return std::unique_ptr<cst_voice, VoiceDeleter>(register_cmu_us_slt(nullptr));
    }();
    return voice.get();
}

// Recorded speech is denser than espeak-ng's pulses (peak to RMS about 3.5 against 7.5), so at the
// same peak slt sounds some 7 dB louder; half that peak makes it as loud as the espeak-ng voices.
constexpr double peakLevel = 26000 / 2;

cst_voice* voiceNamed(const std::string& name) {
    if (name == "slt") return slt();
    return nullptr;
}

} // namespace

std::vector<std::int16_t> FliteRenderer::render(const std::string& voice, const std::string& text) {
    std::vector<std::int16_t> samples;
    try {
        std::lock_guard lock(fliteMutex());
        cst_voice* v = voiceNamed(voice);
        if (!v) return {};
        cst_wave* wave = flite_text_to_wave(text.c_str(), v);
        if (!wave) return {};
        const std::unique_ptr<cst_wave, void (*)(cst_wave*)> owned(wave, delete_wave);
        if (cst_wave_num_channels(wave) != 1 || wave->num_samples <= 0) return {};
        if (cst_wave_sample_rate(wave) != static_cast<int>(sampleRate)) return {};
        samples.assign(wave->samples, wave->samples + wave->num_samples);
    } catch (...) {
        return {};
    }
    normalisePeak(samples, peakLevel);
    return samples;
}

} // namespace ql::voice
