// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>

namespace ql {

// Blocking playback of 16-bit PCM on ALSA "default" (the desktop's sound server).
// Shared by the program's sound player and the voice plug-ins.
class AlsaPcmOutput {
  public:
    struct Request {
        const std::int16_t* samples = nullptr; // interleaved
        std::size_t frames = 0;
        unsigned rate = 44100;
        unsigned channels = 1;
        double gain = 1.0; // on every sample: the clock's own volume, 0.0 to 1.0
        const std::atomic<bool>* stop = nullptr; // raised by another thread to cut playback short
        std::function<void()>
            onFirstWrite; // called once, right after the first samples were handed over
        // When set, samples come from here instead of `samples`/`frames`: it fills up to the
        // given number of frames and returns how many it wrote, 0 at the end.
        std::function<std::size_t(std::int16_t* into, std::size_t frames)> pull;
    };

    // Returns once every sample has been heard (or stop was raised). False when no device could be
    // opened or the device failed; never throws.
    static bool play(const Request& request);
};

} // namespace ql
