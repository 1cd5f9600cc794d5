// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/WaveDecoder.h"

#include "platform/linux/WaveStream.h"

#include <atomic>

namespace ql {
namespace {

bool stopped(const std::atomic<bool>* stop) {
    return stop && stop->load(std::memory_order_relaxed);
}

bool withinLimits(const WaveStream& s) {
    return s.sourceBytes() <= WaveDecoder::maxFileBytes &&
           s.frames() <= WaveDecoder::maxSeconds * s.rate();
}

std::optional<Pcm> readWhole(std::unique_ptr<WaveStream> stream, const std::atomic<bool>* stop) {
    if (!stream || !withinLimits(*stream)) return std::nullopt;
    Pcm out;
    out.rate = stream->rate();
    out.channels = stream->channels();
    // The header may understate the data; never hold more than the time limit allows.
    const auto maxFrames = static_cast<std::size_t>(WaveDecoder::maxSeconds * out.rate);
    std::vector<std::int16_t> chunk(4096 * out.channels);
    while (!stopped(stop)) {
        const std::size_t n = stream->read(chunk.data(), 4096);
        if (n == 0) break;
        out.samples.insert(out.samples.end(), chunk.begin(), chunk.begin() + n * out.channels);
        if (out.frames() > maxFrames) return std::nullopt;
    }
    if (stopped(stop) || out.samples.empty()) return std::nullopt;
    return out;
}

} // namespace

std::optional<Pcm> WaveDecoder::fromMemory(const QByteArray& wave, const std::atomic<bool>* stop) {
    if (wave.size() > maxFileBytes) return std::nullopt;
    return readWhole(WaveStream::openMemory(wave), stop);
}

std::optional<Pcm> WaveDecoder::fromFile(const std::string& path, const std::atomic<bool>* stop) {
    return readWhole(WaveStream::openFile(path), stop);
}

} // namespace ql
