// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LibraryLoader.h"

#include <QObject>

#include <cstdint>
#include <functional>
#include <memory>

namespace ql {

class OutputGain;
class SpeechThread;

// Speaks the time through the loaded voice, one announcement at a time, on a worker thread at
// the speech volume (the clock's own output level), and puts the level back afterwards.
class Announcer : public QObject {
    Q_OBJECT
  public:
    // chime plays the chime and returns once it has been heard; it runs on the worker, so the
    // voice follows it without overlapping. May be empty.
    Announcer(OutputGain& gain, std::function<void()> chime, QObject* parent = nullptr);
    ~Announcer() override;

    // The level to go back to, read at start-up before anything speaks.
    void readStartVolume();
    void setVoice(SpeakProc speak);
    bool hasVoice() const { return speak_ != nullptr; }
    // A voice is at work: an announcement or the alarm's spoken time.
    bool speaking() const { return speaking_; }
    // Starts an announcement at volume (a speech volume step of 1000 in 65535); false when one is
    // already running or no voice is loaded: the request is dropped, not queued. With chime, the
    // chime sounds first, at the same volume.
    bool announce(int volume, bool chime = false);
    // The alarm's spoken time, on the worker too, so that a voice that never returns cannot
    // freeze the clock. The level stays set afterwards, for the alarm sound that follows;
    // spoken runs once the voice has returned. False (spoken never runs) when nothing started.
    bool SpeakBeforeAlarm(int volume, std::function<void()> spoken);
    void ThreadDone();

  signals:
    // A voice starts or stops speaking, or the voice changes: the speech controls work while
    // hasVoice() and nothing speaks.
    void speakingChanged(bool busy);

  private:
    std::uint16_t GetWaveVolume() const;
    void SetWaveVolume(std::uint16_t level);
    void startWorker(int volume, std::function<void()> done, bool chime = false);
    void setSpeaking(bool on);

    OutputGain& gain_;
    std::function<void()> chime_;
    SpeakProc speak_ = nullptr;
    bool speaking_ = false;
    std::uint16_t savedVolume_ = 0xFFFF;
    std::unique_ptr<SpeechThread> worker_; // the last run's, finished unless a voice still speaks
};

} // namespace ql
