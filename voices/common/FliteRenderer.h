// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ql::voice {

// Renders text to 16000 Hz mono 16-bit samples in memory with libflite. Each voice is set up on
// first use and kept; calls from different threads are serialised.
class FliteRenderer {
  public:
    static constexpr unsigned sampleRate = 16000;

    // Receives the samples piece by piece; returns false to stop the rendering.
    using Sink = std::function<bool(const std::int16_t* samples, std::size_t count)>;

    // Hands the samples to sink as flite makes them, so that playback can start long before the
    // sentence is finished. voice is a flite voice name: "slt" (cmu_us_slt, US English). False
    // when the voice is not built in or flite fails; never throws.
    static bool stream(const std::string& voice, const std::string& text, const Sink& sink);

    // The whole sentence at once; empty when stream would fail.
    static std::vector<std::int16_t> render(const std::string& voice, const std::string& text);
};

} // namespace ql::voice
