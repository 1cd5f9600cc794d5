#pragma once

#include "platform/WaveMixer.h"

namespace ql {

// The ALSA simple mixer of the "default" device: "Master", else "PCM". Through PulseAudio's
// ALSA plugin "Master" is the default sink's volume.
class AlsaWaveMixer : public WaveMixer {
public:
    bool getVolume(std::uint16_t& left, std::uint16_t& right) override;
    bool setVolume(std::uint16_t left, std::uint16_t right) override;
};

} // namespace ql
