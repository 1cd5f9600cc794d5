#pragma once

#include "platform/WaveMixer.h"

struct _snd_mixer;
struct _snd_mixer_elem;

namespace ql {

// The ALSA simple mixer of the "default" device: "Master", else "PCM". Through PulseAudio's
// ALSA plugin "Master" is the default sink's volume. The mixer stays open between calls until
// released: opening it means connecting to the sound server, which would delay every
// announcement, while an open one holds a connection thread and about 2 MB.
class AlsaWaveMixer : public WaveMixer {
  public:
    AlsaWaveMixer() = default;
    AlsaWaveMixer(const AlsaWaveMixer&) = delete;
    AlsaWaveMixer& operator=(const AlsaWaveMixer&) = delete;
    ~AlsaWaveMixer() override;
    bool getVolume(std::uint16_t& left, std::uint16_t& right) override;
    bool setVolume(std::uint16_t left, std::uint16_t right) override;
    void release() override;

  private:
    template <typename Action> bool withElement(Action action);
    _snd_mixer_elem* element();
    void refresh();

    _snd_mixer* mixer_ = nullptr;
    _snd_mixer_elem* element_ = nullptr;
};

} // namespace ql
