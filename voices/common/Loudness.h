// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

namespace ql::voice {

// Voices differ in loudness by 8 dB or more, and a sentence's peak says little about how loud it
// sounds. Each sentence is brought to the same integrated loudness (ITU-R BS.1770: K-weighted,
// gated), so that the speech volume means the same in every language; the gain stops short of
// clipping.
constexpr double targetLoudness = -21.0; // LUFS

// The sentence's integrated loudness in LUFS; -70 or less for silence.
double integratedLoudness(const std::vector<std::int16_t>& samples, unsigned rate);

void normaliseLoudness(std::vector<std::int16_t>& samples, unsigned rate);

} // namespace ql::voice
