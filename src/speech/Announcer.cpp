// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/Announcer.h"

#include "platform/OutputGain.h"
#include "speech/SpeechThread.h"

namespace ql {

Announcer::Announcer(OutputGain& gain, std::function<void()> chime, QObject* parent)
    : QObject(parent), gain_(gain), chime_(std::move(chime)) {}

// A voice that never returned keeps its thread: destroying a running QThread aborts, and the
// process's end stops it anyway.
Announcer::~Announcer() {
    if (worker_ && worker_->isRunning()) static_cast<void>(worker_.release());
}

void Announcer::readStartVolume() {
    savedVolume_ = GetWaveVolume();
}

void Announcer::setVoice(SpeakProc speak) {
    speak_ = speak;
    emit speakingChanged(speaking_);
}

bool Announcer::announce(int volume, bool chime) {
    if (speaking_ || !speak_) return false;
    startWorker(
        volume, [this] { ThreadDone(); }, chime);
    return true;
}

bool Announcer::SpeakBeforeAlarm(int volume, std::function<void()> spoken) {
    if (speaking_ || !speak_) return false;
    startWorker(volume, [this, spoken = std::move(spoken)] {
        setSpeaking(false);
        if (spoken) spoken();
    });
    return true;
}

void Announcer::ThreadDone() {
    setSpeaking(false);
    SetWaveVolume(savedVolume_);
}

// The level is set before this returns, so a caller may put back a volume it changed for this
// one announcement at once (the settings dialog's test does).
void Announcer::startWorker(int volume, std::function<void()> done, bool chime) {
    setSpeaking(true);
    SetWaveVolume(static_cast<std::uint16_t>(volume * 1000));
    // The previous worker has finished, but may still be inside the done() that led here.
    if (worker_) worker_.release()->deleteLater();
    worker_ = std::make_unique<SpeechThread>(speak_, chime ? chime_ : std::function<void()>());
    connect(worker_.get(), &SpeechThread::done, this, std::move(done));
    worker_->start();
}

void Announcer::setSpeaking(bool on) {
    speaking_ = on;
    emit speakingChanged(on);
}

std::uint16_t Announcer::GetWaveVolume() const {
    return gain_.level();
}

void Announcer::SetWaveVolume(std::uint16_t level) {
    gain_.setLevel(level);
}

} // namespace ql
