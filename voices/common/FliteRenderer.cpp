// SPDX-License-Identifier: GPL-3.0-or-later
#include "FliteRenderer.h"

#include <flite/flite.h>

#include <algorithm>
#include <cmath>
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

// What the streaming callback needs during one rendering.
struct Rendering {
    const FliteRenderer::Sink* sink = nullptr;
    std::vector<std::int16_t> chunk;
    std::vector<std::int16_t> lead; // the quiet just before the first word, while none is heard
    bool spoke = false;
    bool stopped = false;
};

// slt's level is the same from sentence to sentence (it is recorded speech), so a fixed gain
// levels it while the first samples are already playing: it brings a few sentences to about
// -21.5 LUFS, where the espeak-ng voices' loudness normalisation puts theirs, peaks well clear
// of clipping.
constexpr double sltGain = 0.54;

// slt starts each sentence with about 230 ms of near-silence, which only delays the first word;
// 10 ms of it are kept so that the word does not begin with a click.
constexpr std::int16_t quietBelow = 328; // -40 dBFS
constexpr std::size_t keptLead = FliteRenderer::sampleRate / 100;

// Drops what comes before the first word, but its last keptLead samples.
void skipLeadingQuiet(Rendering& r) {
    const auto loud = std::find_if(r.chunk.begin(), r.chunk.end(), [](std::int16_t s) {
        return s >= quietBelow || -s >= quietBelow;
    });
    r.lead.insert(r.lead.end(), r.chunk.begin(), loud);
    if (r.lead.size() > keptLead)
        r.lead.erase(r.lead.begin(), r.lead.end() - static_cast<std::ptrdiff_t>(keptLead));
    if (loud == r.chunk.end()) {
        r.chunk.clear();
        return;
    }
    r.spoke = true;
    r.lead.insert(r.lead.end(), loud, r.chunk.end());
    r.chunk.swap(r.lead);
}

int deliver(const cst_wave* w, int start, int size, int /*last*/, cst_audio_streaming_info* asi) {
    auto* r = static_cast<Rendering*>(asi->userdata);
    if (!r || !r->sink || r->stopped) return CST_AUDIO_STREAM_STOP;
    try {
        r->chunk.resize(static_cast<std::size_t>(size));
        for (int i = 0; i < size; ++i) {
            const long s = std::lround(w->samples[start + i] * sltGain);
            r->chunk[i] = static_cast<std::int16_t>(std::clamp(s, -32768L, 32767L));
        }
        if (!r->spoke) skipLeadingQuiet(*r);
        if (r->chunk.empty() || (*r->sink)(r->chunk.data(), r->chunk.size()))
            return CST_AUDIO_STREAM_CONT;
    } catch (...) {
        // Exceptions must not cross flite's C frames.
    }
    r->stopped = true;
    return CST_AUDIO_STREAM_STOP;
}

struct VoiceDeleter {
    void operator()(cst_voice* v) const { unregister_cmu_us_slt(v); }
};

// Set up once per process, streaming to whichever Rendering is current, and released when the
// plug-in is unloaded, so that loading and unloading a voice again and again does not leak it.
cst_voice* slt() {
    static const std::unique_ptr<cst_voice, VoiceDeleter> voice = [] {
        flite_init();
        std::unique_ptr<cst_voice, VoiceDeleter> v(register_cmu_us_slt(nullptr));
        if (v) {
            cst_audio_streaming_info* asi = new_audio_streaming_info();
            asi->asc = deliver;
            feat_set(v->features, "streaming_info", audio_streaming_info_val(asi));
        }
        return v;
    }();
    return voice.get();
}

cst_voice* voiceNamed(const std::string& name) {
    if (name == "slt") return slt();
    return nullptr;
}

} // namespace

bool FliteRenderer::stream(const std::string& voice, const std::string& text, const Sink& sink) {
    try {
        std::lock_guard lock(fliteMutex());
        cst_voice* v = voiceNamed(voice);
        if (!v) return false;
        const cst_val* info = feat_val(v->features, "streaming_info");
        if (!info) return false;
        Rendering rendering;
        rendering.sink = &sink;
        cst_audio_streaming_info* asi = val_audio_streaming_info(info);
        asi->userdata = &rendering;
        cst_utterance* utt = flite_synth_text(text.c_str(), v);
        asi->userdata = nullptr;
        if (!utt) return false;
        delete_utterance(utt);
        return true;
    } catch (...) {
        return false;
    }
}

std::vector<std::int16_t> FliteRenderer::render(const std::string& voice, const std::string& text) {
    std::vector<std::int16_t> samples;
    try {
        const bool ok = stream(voice, text, [&](const std::int16_t* s, std::size_t n) {
            samples.insert(samples.end(), s, s + n);
            return true;
        });
        if (!ok) return {};
    } catch (...) {
        return {};
    }
    return samples;
}

} // namespace ql::voice
