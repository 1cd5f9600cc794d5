#pragma once

#include <cstdint>

namespace ql {

// Volume of the default output device. Channels are 0..0xFFFF.
class WaveMixer {
  public:
    virtual ~WaveMixer() = default;
    // False (outputs untouched) when there is no device or it has no volume control.
    virtual bool getVolume(std::uint16_t& left, std::uint16_t& right) = 0;
    virtual bool setVolume(std::uint16_t left, std::uint16_t right) = 0;
    // Lets go of the device until the next call.
    virtual void release() {}
};

} // namespace ql
