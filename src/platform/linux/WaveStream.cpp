// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/WaveStream.h"

#include "platform/linux/WaveDecoder.h"

#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

namespace ql {
namespace {

constexpr sf_count_t ChunkFrames = 4096;

std::int16_t toSample(float v) {
    if (std::isnan(v)) return 0;
    return static_cast<std::int16_t>(std::lrint(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

} // namespace

// A seekable byte source for libsndfile's virtual I/O (memory or an opened file), and the
// decoder reading from it.
struct WaveStream::State {
    sf_count_t size = 0;
    sf_count_t pos = 0;
    std::function<sf_count_t(void*, sf_count_t, sf_count_t)> readAt; // (dest, count, offset)
    int fd = -1;
    SNDFILE* file = nullptr;
    SF_INFO info{};
    std::vector<float> chunk;

    ~State() {
        if (file) sf_close(file);
        if (fd >= 0) ::close(fd);
    }
    static State& of(void* user) { return *static_cast<State*>(user); }
    static sf_count_t length(void* user) { return of(user).size; }
    static sf_count_t tell(void* user) { return of(user).pos; }
    static sf_count_t write(const void*, sf_count_t, void*) { return 0; }
    static sf_count_t seek(sf_count_t offset, int whence, void* user) {
        State& s = of(user);
        const sf_count_t base = whence == SEEK_CUR ? s.pos : whence == SEEK_END ? s.size : 0;
        if (base + offset < 0) return -1;
        s.pos = base + offset;
        return s.pos;
    }
    static sf_count_t read(void* dest, sf_count_t count, void* user) {
        State& s = of(user);
        const sf_count_t n = std::clamp<sf_count_t>(s.size - s.pos, 0, count);
        const sf_count_t got = std::max<sf_count_t>(n > 0 ? s.readAt(dest, n, s.pos) : 0, 0);
        s.pos += got;
        return got;
    }
};

WaveStream::WaveStream(std::unique_ptr<State> state) : state_(std::move(state)) {}
WaveStream::~WaveStream() = default;

std::unique_ptr<WaveStream> WaveStream::openMemory(const QByteArray& wave) {
    if (wave.isEmpty()) return nullptr;
    auto state = std::make_unique<State>();
    state->size = wave.size();
    state->readAt = [&wave](void* dest, sf_count_t n, sf_count_t at) {
        std::memcpy(dest, wave.constData() + at, static_cast<std::size_t>(n));
        return n;
    };
    return open(std::move(state));
}

std::unique_ptr<WaveStream> WaveStream::openFile(const std::string& path) {
    // stat first: opening a FIFO for reading would wait for a writer.
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return nullptr;
    auto state = std::make_unique<State>();
    state->fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    // The path may have been replaced between stat and open.
    if (state->fd < 0 || ::fstat(state->fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0)
        return nullptr;
    state->size = st.st_size;
    state->readAt = [fd = state->fd](void* dest, sf_count_t n, sf_count_t at) -> sf_count_t {
        const ssize_t got = ::pread(fd, dest, static_cast<std::size_t>(n), at);
        return got < 0 ? 0 : got;
    };
    return open(std::move(state));
}

std::unique_ptr<WaveStream> WaveStream::open(std::unique_ptr<State> state) {
    SF_VIRTUAL_IO io{State::length, State::seek, State::read, State::write, State::tell};
    State& s = *state;
    s.file = sf_open_virtual(&io, SFM_READ, &s.info, &s);
    if (!s.file || s.info.channels < 1 || s.info.channels > 64 || s.info.frames <= 0)
        return nullptr;
    if (s.info.samplerate < static_cast<int>(WaveDecoder::minRate) ||
        s.info.samplerate > static_cast<int>(WaveDecoder::maxRate))
        return nullptr;
    s.chunk.resize(static_cast<std::size_t>(ChunkFrames * s.info.channels));
    return std::unique_ptr<WaveStream>(new WaveStream(std::move(state)));
}

unsigned WaveStream::rate() const {
    return static_cast<unsigned>(state_->info.samplerate);
}
unsigned WaveStream::channels() const {
    return state_->info.channels <= 2 ? static_cast<unsigned>(state_->info.channels) : 1u;
}
std::int64_t WaveStream::frames() const {
    return state_->info.frames;
}
std::int64_t WaveStream::sourceBytes() const {
    return state_->size;
}

std::size_t WaveStream::read(std::int16_t* into, std::size_t maxFrames) {
    const int in = state_->info.channels;
    const auto want = static_cast<sf_count_t>(std::min<std::size_t>(maxFrames, ChunkFrames));
    const sf_count_t n = sf_readf_float(state_->file, state_->chunk.data(), want);
    for (sf_count_t i = 0; i < n; ++i) {
        const float* f = state_->chunk.data() + i * in;
        if (in <= 2) {
            for (int c = 0; c < in; ++c)
                *into++ = toSample(f[c]);
            continue;
        }
        float sum = 0;
        for (int c = 0; c < in; ++c)
            sum += f[c];
        *into++ = toSample(sum / static_cast<float>(in));
    }
    return n > 0 ? static_cast<std::size_t>(n) : 0;
}

} // namespace ql
