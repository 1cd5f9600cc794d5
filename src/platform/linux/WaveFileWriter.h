// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace ql {

enum class WaveEncoding { Pcm16, Float32, MsAdpcm, ImaAdpcm };

// Writes float samples in -1..1 (interleaved) as a wave file; values outside are clipped.
class WaveFileWriter {
  public:
    static bool write(const std::string& path, const std::vector<float>& samples, unsigned rate,
                      unsigned channels, WaveEncoding encoding);
};

} // namespace ql
