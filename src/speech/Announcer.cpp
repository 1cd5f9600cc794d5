#include "speech/Announcer.h"

#include "platform/WaveMixer.h"
#include "speech/SpeechThread.h"

namespace ql {

Announcer::Announcer(WaveMixer& mixer, QObject* parent) : QObject(parent), mixer_(mixer) {}

void Announcer::readStartVolume() {
    FSavedVolumeRead = GetWaveVolume(FSavedVolumeLeft, FSavedVolumeRight);
    // The idle clock keeps no connection to the sound server; the first announcement opens it.
    mixer_.release();
}

void Announcer::setVoice(SpeakProc speak) {
    speak_ = speak;
    emit speakingChanged(speaking_);
}

bool Announcer::announce(int volume) {
    if (speaking_ || !speak_) return false;
    setSpeaking(true);
    // Without a start-up reading there is nothing to go back to; take the volume as it is now.
    if (!FSavedVolumeRead) FSavedVolumeRead = GetWaveVolume(FSavedVolumeLeft, FSavedVolumeRight);
    setSpeechVolume(volume);
    auto* thread = new SpeechThread(speak_);
    connect(thread, &SpeechThread::done, this, &Announcer::ThreadDone);
    thread->start();
    return true;
}

void Announcer::ThreadDone() {
    setSpeaking(false);
    // Restoring a pair never read would silence the device.
    if (FSavedVolumeRead) SetWaveVolume(FSavedVolumeLeft + FSavedVolumeRight * 65536u);
}

void Announcer::SpeakBeforeAlarm(int volume) {
    if (speaking_ || !speak_) return;
    // The controls go grey, but no announcement is running: the flag stays clear.
    emit speakingChanged(true);
    setSpeechVolume(volume);
    try {
        speak_();
    } catch (...) {
        // A failing voice must not take the alarm down with it: the sound still plays.
    }
    emit speakingChanged(false);
}

void Announcer::setSpeechVolume(int volume) {
    const std::uint32_t v = static_cast<std::uint16_t>(volume * 1000);
    SetWaveVolume(v + v * 65536u);
}

void Announcer::setSpeaking(bool on) {
    speaking_ = on;
    emit speakingChanged(on);
}

bool Announcer::GetWaveVolume(std::uint16_t& Left, std::uint16_t& Right) {
    return mixer_.getVolume(Left, Right);
}

bool Announcer::SetWaveVolume(std::uint32_t Volume) {
    return mixer_.setVolume(static_cast<std::uint16_t>(Volume & 0xFFFF),
                            static_cast<std::uint16_t>(Volume >> 16));
}

} // namespace ql
