// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlsaPcmOutput.h"

#include <alsa/asoundlib.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>
#include <vector>

// One flag per process, not per copy of this file: the program exports its flag and each voice
// plug-in's copy binds to it, so the user is told once whoever tried to play.
extern "C" {
__attribute__((visibility("default"))) std::atomic<bool> ql_no_sound_output_said{false};
}

namespace ql {
namespace {

bool stopped(const AlsaPcmOutput::Request& r) {
    return r.stop && r.stop->load(std::memory_order_relaxed);
}

// Silence must never be the only sign: the first failure of a run says why on stderr.
void reportNoOutput(int error) {
    if (ql_no_sound_output_said.exchange(true)) return;
    std::fprintf(stderr,
                 "quorlan-lite: no sound output could be opened (ALSA \"default\": %s); speech and "
                 "alarm sounds stay silent\n",
                 snd_strerror(error));
}

snd_pcm_t* openDefault() {
    snd_pcm_t* pcm = nullptr;
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0) == 0) return pcm;
    // After the sound server restarted, ALSA's cached configuration points at the dead one.
    snd_config_update_free_global();
    const int error = snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, 0);
    if (error == 0) return pcm;
    reportNoOutput(error);
    return nullptr;
}

constexpr std::size_t ChunkFrames = 1024;

// The samples as they are to be heard: at the request's gain. Returns samples itself at full gain.
const std::int16_t* scaled(const AlsaPcmOutput::Request& r, const std::int16_t* samples,
                           std::size_t count, std::vector<std::int16_t>& buffer) {
    if (r.gain >= 1.0) return samples;
    const double gain = std::max(r.gain, 0.0);
    buffer.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        buffer[i] = static_cast<std::int16_t>(std::lround(samples[i] * gain));
    return buffer.data();
}

// Hands frames to the device; the request hears once, at the first frames of the sound itself.
class FrameWriter {
  public:
    FrameWriter(snd_pcm_t* pcm, const AlsaPcmOutput::Request& r, bool isTheSound)
        : pcm_(pcm), r_(r), announced_(!isTheSound) {}

    // Writes frames [0, frames) of samples; false when the device failed.
    bool write(const std::int16_t* samples, std::size_t frames) {
        std::vector<std::int16_t> buffer;
        std::size_t done = 0;
        while (done < frames && !stopped(r_)) {
            const auto n = std::min<std::size_t>(ChunkFrames, frames - done);
            const std::int16_t* chunk =
                scaled(r_, samples + done * r_.channels, n * r_.channels, buffer);
            const snd_pcm_sframes_t w = snd_pcm_writei(pcm_, chunk, n);
            if (w < 0) {
                if (snd_pcm_recover(pcm_, static_cast<int>(w), 1) < 0) return false;
                continue;
            }
            done += static_cast<std::size_t>(w);
            if (!announced_ && r_.onFirstWrite) r_.onFirstWrite();
            announced_ = true;
        }
        return true;
    }

  private:
    snd_pcm_t* pcm_;
    const AlsaPcmOutput::Request& r_;
    bool announced_;
};

// The sound server drops the first 7-20 ms of a new stream: a click of 5 ms went unheard, and
// every sound lost its attack. That much silence goes first.
bool writeLead(snd_pcm_t* pcm, const AlsaPcmOutput::Request& r) {
    const std::vector<std::int16_t> silence(r.rate * 30 / 1000 * r.channels, 0);
    return FrameWriter(pcm, r, false).write(silence.data(), silence.size() / r.channels);
}

bool writeAll(snd_pcm_t* pcm, const AlsaPcmOutput::Request& r) {
    if (!writeLead(pcm, r)) return false;
    FrameWriter sound(pcm, r, true);
    if (!r.pull) return sound.write(r.samples, r.frames);
    std::vector<std::int16_t> chunk(ChunkFrames * r.channels);
    while (!stopped(r)) {
        const std::size_t n = std::min(r.pull(chunk.data(), ChunkFrames), ChunkFrames);
        if (n == 0) return true;
        if (!sound.write(chunk.data(), n)) return false;
    }
    return true;
}

// Sleeps in short slices so that a raised stop cuts the wait short.
void sleepUnlessStopped(long ms, const AlsaPcmOutput::Request& r) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!stopped(r) && std::chrono::steady_clock::now() < until)
        std::this_thread::sleep_for(std::chrono::milliseconds(std::min<long>(ms, 20)));
}

// The PulseAudio plugin reports an underrun while ~10 ms are still queued, so wait out the
// reported delay before dropping instead of trusting drain(). Once the stream has run dry the
// reported delay stays frozen, so it is waited out once rather than polled.
void waitUntilHeard(snd_pcm_t* pcm, const AlsaPcmOutput::Request& r) {
    if (snd_pcm_state(pcm) == SND_PCM_STATE_PREPARED) snd_pcm_start(pcm);
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!stopped(r) && std::chrono::steady_clock::now() < limit) {
        snd_pcm_sframes_t delay = 0;
        if (snd_pcm_delay(pcm, &delay) < 0 || delay <= 0) break;
        const long ms = delay * 1000L / static_cast<long>(r.rate);
        if (snd_pcm_state(pcm) != SND_PCM_STATE_RUNNING) {
            sleepUnlessStopped(std::min<long>(ms + 1, 500), r);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(std::clamp<long>(ms, 1, 20)));
    }
}

} // namespace

bool AlsaPcmOutput::play(const Request& r) {
    if ((!r.pull && (!r.samples || r.frames == 0)) || r.channels == 0 || r.rate == 0) return false;
    snd_pcm_t* pcm = openDefault();
    if (!pcm) return false;
    bool ok = snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16_LE, SND_PCM_ACCESS_RW_INTERLEAVED,
                                 r.channels, r.rate, 1, 100000) == 0;
    if (ok) ok = writeAll(pcm, r);
    if (ok) waitUntilHeard(pcm, r);
    snd_pcm_drop(pcm);
    snd_pcm_close(pcm);
    return ok;
}

} // namespace ql
