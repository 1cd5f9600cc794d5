#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ql::voice {

// Renders text to 16000 Hz mono 16-bit samples in memory with libflite. Each voice is set up on
// first use and kept; calls from different threads are serialised.
class FliteRenderer {
  public:
    static constexpr unsigned sampleRate = 16000;

    // voice is a flite voice name: "slt" (cmu_us_slt, US English). Empty when the voice is not
    // built in or flite fails; never throws.
    static std::vector<std::int16_t> render(const std::string& voice, const std::string& text);
};

} // namespace ql::voice
