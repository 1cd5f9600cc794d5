// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ql::voice {

// Renders text to 22050 Hz mono 16-bit samples in memory with libespeak-ng, brought to one
// loudness. espeak-ng is set up on first use and released when the voice is unloaded; calls from
// different threads are serialised.
class EspeakRenderer {
  public:
    static constexpr unsigned sampleRate = 22050;

    // voice is an espeak-ng voice name such as "de+max". Empty when espeak-ng or the voice is
    // unavailable; never throws.
    static std::vector<std::int16_t> render(const std::string& voice, const std::string& text);

    // The text as espeak-ng is given it: words the voice's language misreads are respelt.
    static std::string spokenText(const std::string& voice, const std::string& text);

    // The phonemes (IPA, one line a clause) espeak-ng speaks for text, traced while it
    // synthesises exactly what render() would send. Empty when espeak-ng or the voice is
    // unavailable.
    static std::string phonemes(const std::string& voice, const std::string& text);
};

} // namespace ql::voice
