// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimeSpeaker.h"

#include "platform/linux/AlsaPcmOutput.h"

#include <algorithm>
#include <condition_variable>
#include <ctime>
#include <mutex>
#include <thread>

namespace ql::voice {
namespace {

// Samples on their way from the rendering thread to the player.
class Pipe {
  public:
    bool put(const std::int16_t* s, std::size_t n) {
        std::lock_guard lock(m_);
        if (closed_) return false;
        samples_.insert(samples_.end(), s, s + n);
        ready_.notify_one();
        return true;
    }
    void finish() {
        std::lock_guard lock(m_);
        finished_ = true;
        ready_.notify_one();
    }
    // The player is done with it: the renderer may stop.
    void close() {
        std::lock_guard lock(m_);
        closed_ = true;
    }
    // Waits for samples; 0 once the renderer has finished and everything was taken.
    std::size_t take(std::int16_t* into, std::size_t n) {
        std::unique_lock lock(m_);
        ready_.wait(lock, [&] { return read_ < samples_.size() || finished_; });
        n = std::min(n, samples_.size() - read_);
        std::copy_n(samples_.begin() + static_cast<std::ptrdiff_t>(read_), n, into);
        read_ += n;
        return n;
    }

  private:
    std::mutex m_;
    std::condition_variable ready_;
    std::vector<std::int16_t> samples_;
    std::size_t read_ = 0;
    bool finished_ = false, closed_ = false;
};

AlsaPcmOutput::Request requestFor(const VoiceSetup& voice, const SpeakHooks& hooks) {
    AlsaPcmOutput::Request request;
    request.rate = voice.sampleRate;
    request.channels = 1;
    request.gain = hooks.gain;
    request.onFirstWrite = hooks.onFirstWrite;
    request.stop = hooks.stop;
    return request;
}

// Renders on a second thread and plays what is ready, so the first words are heard after the
// engine's first piece rather than after the whole sentence.
void speakStreamed(const VoiceSetup& voice, const std::string& text, const SpeakHooks& hooks) {
    Pipe pipe;
    std::thread renderer([&] {
        voice.stream(voice.engineVoice, text,
                     [&](const std::int16_t* s, std::size_t n) { return pipe.put(s, n); });
        pipe.finish();
    });
    try {
        AlsaPcmOutput::Request request = requestFor(voice, hooks);
        request.pull = [&](std::int16_t* into, std::size_t frames) {
            return pipe.take(into, frames);
        };
        AlsaPcmOutput::play(request);
    } catch (...) {
    }
    pipe.close();
    renderer.join();
}

} // namespace

void speakTime(const VoiceSetup& voice, int hour, int minute, const SpeakHooks& hooks) noexcept {
    try {
        const std::string text = voice.phrase(hour, minute);
        if (voice.stream) return speakStreamed(voice, text, hooks);
        const auto samples = voice.render(voice.engineVoice, text);
        if (samples.empty()) return;
        AlsaPcmOutput::Request request = requestFor(voice, hooks);
        request.samples = samples.data();
        request.frames = samples.size();
        AlsaPcmOutput::play(request);
    } catch (...) {
        // The caller is C code in another library: nothing may escape.
    }
}

void speakNow(const VoiceSetup& voice, double gain) noexcept {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return;
    SpeakHooks hooks;
    hooks.gain = gain;
    speakTime(voice, local.tm_hour, local.tm_min, hooks);
}

} // namespace ql::voice
