// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/WaveFileWriter.h"

#include <sndfile.h>

namespace ql {
namespace {

int subtype(WaveEncoding e) {
    switch (e) {
    case WaveEncoding::Float32:
        return SF_FORMAT_FLOAT;
    case WaveEncoding::MsAdpcm:
        return SF_FORMAT_MS_ADPCM;
    case WaveEncoding::ImaAdpcm:
        return SF_FORMAT_IMA_ADPCM;
    case WaveEncoding::Pcm16:
        break;
    }
    return SF_FORMAT_PCM_16;
}

} // namespace

bool WaveFileWriter::write(const std::string& path, const std::vector<float>& samples,
                           unsigned rate, unsigned channels, WaveEncoding encoding) {
    if (channels == 0 || samples.size() % channels != 0) return false;
    SF_INFO info{};
    info.samplerate = static_cast<int>(rate);
    info.channels = static_cast<int>(channels);
    info.format = SF_FORMAT_WAV | subtype(encoding);
    SNDFILE* f = sf_open(path.c_str(), SFM_WRITE, &info);
    if (!f) return false;
    sf_command(f, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    const auto frames = static_cast<sf_count_t>(samples.size() / channels);
    const bool ok = sf_writef_float(f, samples.data(), frames) == frames;
    return sf_close(f) == 0 && ok;
}

} // namespace ql
