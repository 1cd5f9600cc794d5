// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace ql {

// A sound file decoded piece by piece (libsndfile: wave PCM, float, MS/IMA ADPCM, Ogg Vorbis,
// ...), so that a file of any length plays without being read whole. More than two channels are
// mixed down to mono, which every device takes. Never throws.
class WaveStream {
  public:
    // nullptr when the file is not a sound. Only regular files are opened, and never blocking:
    // a FIFO or device is refused.
    static std::unique_ptr<WaveStream> openFile(const std::string& path);
    // `wave` must outlive the stream.
    static std::unique_ptr<WaveStream> openMemory(const QByteArray& wave);

    ~WaveStream();
    WaveStream(const WaveStream&) = delete;
    WaveStream& operator=(const WaveStream&) = delete;

    unsigned rate() const;
    unsigned channels() const;        // of the samples read: 1 or 2
    std::int64_t frames() const;      // as the header says
    std::int64_t sourceBytes() const; // size of the file or memory
    // Up to maxFrames frames of interleaved 16-bit samples; 0 at the end or on a read error.
    std::size_t read(std::int16_t* into, std::size_t maxFrames);

  private:
    struct State;
    explicit WaveStream(std::unique_ptr<State> state);
    static std::unique_ptr<WaveStream> open(std::unique_ptr<State> state);

    std::unique_ptr<State> state_;
};

} // namespace ql
