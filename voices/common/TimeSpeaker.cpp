#include "TimeSpeaker.h"

#include "platform/audio/AlsaPcmOutput.h"

#include <ctime>

namespace ql::voice {

void speakTime(const VoiceSetup& voice, int hour, int minute, const SpeakHooks& hooks) noexcept {
    try {
        const std::string text = voice.phrase(hour, minute);
        const auto samples = voice.render(voice.engineVoice, text);
        if (samples.empty()) return;
        AlsaPcmOutput::Request request;
        request.samples = samples.data();
        request.frames = samples.size();
        request.rate = voice.sampleRate;
        request.channels = 1;
        request.onFirstWrite = hooks.onFirstWrite;
        request.stop = hooks.stop;
        AlsaPcmOutput::play(request);
    } catch (...) {
        // The caller is C code in another library: nothing may escape.
    }
}

void speakNow(const VoiceSetup& voice) noexcept {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (!localtime_r(&now, &local)) return;
    speakTime(voice, local.tm_hour, local.tm_min);
}

} // namespace ql::voice
