#include "app/MainForm.h"

#include "platform/WaveMixer.h"
#include "speech/TSpeakThread.h"

namespace ql {

void TMainForm::AnnounceButtonClick() {
    announceAtVolume(cfg().FSpeechVolume);
}

void TMainForm::announceAtVolume(int volume) {
    if (FSpeaking || !FSpeakProc) return; // dropped, not queued
    startAnnouncement(volume);
}

void TMainForm::Speak1Click() {
    AnnounceButtonClick();
}

void TMainForm::GlobalSpeechKeyKeyDown() {
    AnnounceButtonClick();
}

void TMainForm::startAnnouncement(int volume) {
    DisableSpeech();
    FSpeaking = true;
    // Without a start-up reading there is nothing to go back to; take the volume as it is now.
    if (!FSavedVolumeRead) FSavedVolumeRead = GetWaveVolume(FSavedVolumeLeft, FSavedVolumeRight);
    const std::uint32_t v = static_cast<std::uint16_t>(volume * 1000);
    SetWaveVolume(v + v * 65536u);
    auto* thread = new TSpeakThread(FSpeakProc);
    connect(thread, &TSpeakThread::done, this, &TMainForm::ThreadDone);
    thread->start();
}

void TMainForm::ThreadDone() {
    EnableSpeech();
    FSpeaking = false;
    // Restoring a pair never read would silence the device.
    if (FSavedVolumeRead) SetWaveVolume(FSavedVolumeLeft + FSavedVolumeRight * 65536u);
}

bool TMainForm::GetWaveVolume(std::uint16_t& Left, std::uint16_t& Right) {
    return P.mixer.getVolume(Left, Right);
}

bool TMainForm::SetWaveVolume(std::uint32_t Volume) {
    return P.mixer.setVolume(static_cast<std::uint16_t>(Volume & 0xFFFF),
                             static_cast<std::uint16_t>(Volume >> 16));
}

} // namespace ql
