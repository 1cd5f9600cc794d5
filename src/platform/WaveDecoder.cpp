#include "platform/WaveDecoder.h"

#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>

namespace ql {
namespace {

// A seekable byte source for libsndfile's virtual I/O: memory or an already opened file.
struct Source {
    sf_count_t size = 0;
    sf_count_t pos = 0;
    std::function<sf_count_t(void*, sf_count_t, sf_count_t)> readAt; // (dest, count, offset)
};

Source& src(void* user) {
    return *static_cast<Source*>(user);
}

sf_count_t sourceLength(void* user) {
    return src(user).size;
}

sf_count_t sourceSeek(sf_count_t offset, int whence, void* user) {
    Source& s = src(user);
    const sf_count_t base = whence == SEEK_CUR ? s.pos : whence == SEEK_END ? s.size : 0;
    if (base + offset < 0) return -1;
    s.pos = base + offset;
    return s.pos;
}

sf_count_t sourceRead(void* dest, sf_count_t count, void* user) {
    Source& s = src(user);
    const sf_count_t n = std::clamp<sf_count_t>(s.size - s.pos, 0, count);
    const sf_count_t got = n > 0 ? s.readAt(dest, n, s.pos) : 0;
    s.pos += std::max<sf_count_t>(got, 0);
    return std::max<sf_count_t>(got, 0);
}

sf_count_t sourceWrite(const void*, sf_count_t, void*) {
    return 0;
}

sf_count_t sourceTell(void* user) {
    return src(user).pos;
}

struct SndCloser {
    void operator()(SNDFILE* f) const { sf_close(f); }
};

bool stopped(const std::atomic<bool>* stop) {
    return stop && stop->load(std::memory_order_relaxed);
}

std::int16_t toSample(float v) {
    if (std::isnan(v)) return 0;
    return static_cast<std::int16_t>(std::lrint(std::clamp(v, -1.0f, 1.0f) * 32767.0f));
}

bool plausible(const SF_INFO& info) {
    if (info.channels < 1 || info.channels > 64) return false;
    if (info.samplerate < static_cast<int>(WaveDecoder::minRate)) return false;
    if (info.samplerate > static_cast<int>(WaveDecoder::maxRate)) return false;
    return info.frames > 0 && info.frames <= WaveDecoder::maxSeconds * info.samplerate;
}

// Mono and stereo pass through; more channels are mixed down to mono, which every device takes.
void append(Pcm& out, const float* frames, sf_count_t count, int channels) {
    for (sf_count_t i = 0; i < count; ++i) {
        const float* f = frames + i * channels;
        if (out.channels == static_cast<unsigned>(channels)) {
            for (int c = 0; c < channels; ++c)
                out.samples.push_back(toSample(f[c]));
            continue;
        }
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += f[c];
        out.samples.push_back(toSample(sum / static_cast<float>(channels)));
    }
}

std::optional<Pcm> decode(Source& source, const std::atomic<bool>* stop) {
    SF_VIRTUAL_IO io{sourceLength, sourceSeek, sourceRead, sourceWrite, sourceTell};
    SF_INFO info{};
    std::unique_ptr<SNDFILE, SndCloser> file(sf_open_virtual(&io, SFM_READ, &info, &source));
    if (!file || !plausible(info)) return std::nullopt;
    Pcm out;
    out.rate = static_cast<unsigned>(info.samplerate);
    out.channels = info.channels <= 2 ? static_cast<unsigned>(info.channels) : 1;
    const auto maxFrames = static_cast<sf_count_t>(WaveDecoder::maxSeconds * info.samplerate);
    out.samples.reserve(static_cast<std::size_t>(info.frames) * out.channels);
    std::vector<float> chunk(4096 * static_cast<std::size_t>(info.channels));
    sf_count_t total = 0;
    while (!stopped(stop)) {
        const sf_count_t n = sf_readf_float(file.get(), chunk.data(), 4096);
        if (n <= 0) break;
        total += n;
        if (total > maxFrames) return std::nullopt;
        append(out, chunk.data(), n, info.channels);
    }
    if (stopped(stop) || out.samples.empty()) return std::nullopt;
    return out;
}

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

bool regularWithinLimit(const struct stat& st) {
    return S_ISREG(st.st_mode) && st.st_size > 0 && st.st_size <= WaveDecoder::maxFileBytes;
}

} // namespace

std::optional<Pcm> WaveDecoder::fromMemory(const QByteArray& wave, const std::atomic<bool>* stop) {
    if (wave.isEmpty() || wave.size() > maxFileBytes) return std::nullopt;
    Source source;
    source.size = wave.size();
    source.readAt = [&wave](void* dest, sf_count_t n, sf_count_t at) {
        std::memcpy(dest, wave.constData() + at, static_cast<std::size_t>(n));
        return n;
    };
    return decode(source, stop);
}

std::optional<Pcm> WaveDecoder::fromFile(const std::string& path, const std::atomic<bool>* stop) {
    // stat first: opening a FIFO for reading would wait for a writer.
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || !regularWithinLimit(st))
        return std::nullopt;
    Fd f{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    // The path may have been replaced between stat and open.
    if (f.fd < 0 || ::fstat(f.fd, &st) != 0 || !regularWithinLimit(st)) return std::nullopt;
    Source source;
    source.size = st.st_size;
    source.readAt = [fd = f.fd](void* dest, sf_count_t n, sf_count_t at) -> sf_count_t {
        const ssize_t got = ::pread(fd, dest, static_cast<std::size_t>(n), at);
        return got < 0 ? 0 : got;
    };
    return decode(source, stop);
}

} // namespace ql
