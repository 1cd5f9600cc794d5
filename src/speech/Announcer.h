#pragma once

#include "platform/LibraryLoader.h"

#include <QObject>

#include <cstdint>

namespace ql {

class WaveMixer;

// Speaks the time through the loaded voice, one announcement at a time, on a worker thread at
// the speech volume, and puts the wave-out volume back afterwards.
class Announcer : public QObject {
    Q_OBJECT
  public:
    explicit Announcer(WaveMixer& mixer, QObject* parent = nullptr);

    // The volume to go back to, read at start-up before anything speaks.
    void readStartVolume();
    void setVoice(SpeakProc speak);
    bool hasVoice() const { return speak_ != nullptr; }
    bool speaking() const { return speaking_; }
    // Starts an announcement at volume (0..65, in steps of 1000 of the mixer's range); false
    // when one is already running or no voice is loaded: the request is dropped, not queued.
    bool announce(int volume);
    // The alarm's spoken time: on this thread, and the volume stays set afterwards.
    void SpeakBeforeAlarm(int volume);
    void ThreadDone();

  signals:
    // A voice starts or stops speaking, or the voice changes: the speech controls work while
    // hasVoice() and nothing speaks.
    void speakingChanged(bool busy);

  private:
    bool GetWaveVolume(std::uint16_t& Left, std::uint16_t& Right);
    bool SetWaveVolume(std::uint32_t Volume);
    void setSpeechVolume(int volume);
    void setSpeaking(bool on);

    WaveMixer& mixer_;
    SpeakProc speak_ = nullptr;
    bool speaking_ = false;
    bool FSavedVolumeRead = false; // the saved pair holds a real reading
    std::uint16_t FSavedVolumeLeft = 0;
    std::uint16_t FSavedVolumeRight = 0;
};

} // namespace ql
