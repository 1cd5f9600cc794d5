// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ql {

// 16-bit interleaved samples, ready for the ALSA output.
struct Pcm {
    std::vector<std::int16_t> samples;
    unsigned rate = 0;
    unsigned channels = 0;
    std::size_t frames() const { return channels ? samples.size() / channels : 0; }
};

// Decodes a short sound whole (the built-in sounds, the desktop's bell). Sounds beyond the
// limits below are refused before anything is read whole, so they cannot exhaust memory; the
// user's own files are streamed instead (WaveStream). Never throws.
class WaveDecoder {
  public:
    static constexpr std::int64_t maxFileBytes = 64LL << 20;
    static constexpr double maxSeconds = 300.0;
    static constexpr unsigned minRate = 1000;
    static constexpr unsigned maxRate = 384000;

    // nullopt when the data is not a playable sound (or `stop` was raised meanwhile).
    static std::optional<Pcm> fromMemory(const QByteArray& wave,
                                         const std::atomic<bool>* stop = nullptr);
    // Only regular files are opened, and never blocking: a FIFO or device yields nullopt.
    static std::optional<Pcm> fromFile(const std::string& path,
                                       const std::atomic<bool>* stop = nullptr);
};

} // namespace ql
