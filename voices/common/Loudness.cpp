// SPDX-License-Identifier: GPL-3.0-or-later
#include "Loudness.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

namespace ql::voice {
namespace {

// One second-order section, direct form I.
struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    double operator()(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// The K-weighting's two stages for any sample rate (the standard gives them at 48 kHz only).
Biquad headShelf(unsigned rate) {
    constexpr double f0 = 1681.974450955533, gainDb = 3.999843853973347, q = 0.7071752369554196;
    const double k = std::tan(std::numbers::pi * f0 / rate);
    const double vh = std::pow(10.0, gainDb / 20.0), vb = std::pow(vh, 0.4996667741545416);
    const double a0 = 1.0 + k / q + k * k;
    return {(vh + vb * k / q + k * k) / a0, 2.0 * (k * k - vh) / a0, (vh - vb * k / q + k * k) / a0,
            2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

Biquad highPass(unsigned rate) {
    constexpr double f0 = 38.13547087602444, q = 0.5003270373238773;
    const double k = std::tan(std::numbers::pi * f0 / rate);
    const double a0 = 1.0 + k / q + k * k;
    return {1.0, -2.0, 1.0, 2.0 * (k * k - 1.0) / a0, (1.0 - k / q + k * k) / a0};
}

double loudnessOf(double meanSquare) {
    return -0.691 + 10.0 * std::log10(std::max(meanSquare, 1e-12));
}

// Mean squares of the K-weighted signal over 400 ms blocks, overlapping by 75 %; a sentence
// shorter than one block is one block.
std::vector<double> blockPowers(const std::vector<std::int16_t>& samples, unsigned rate) {
    Biquad shelf = headShelf(rate), hp = highPass(rate);
    std::vector<double> squared(samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double y = hp(shelf(samples[i] / 32768.0));
        squared[i] = y * y;
    }
    const std::size_t block = std::min<std::size_t>(rate * 4 / 10, squared.size());
    const std::size_t step = std::max<std::size_t>(rate / 10, 1);
    std::vector<double> powers;
    for (std::size_t start = 0; block > 0 && start + block <= squared.size(); start += step) {
        double sum = 0;
        for (std::size_t i = start; i < start + block; ++i)
            sum += squared[i];
        powers.push_back(sum / block);
    }
    return powers;
}

double meanAbove(const std::vector<double>& powers, double gateLufs, std::size_t& count) {
    double sum = 0;
    count = 0;
    for (const double p : powers)
        if (loudnessOf(p) > gateLufs) {
            sum += p;
            ++count;
        }
    return count ? sum / count : 0.0;
}

} // namespace

double integratedLoudness(const std::vector<std::int16_t>& samples, unsigned rate) {
    const std::vector<double> powers = blockPowers(samples, rate);
    std::size_t n = 0;
    const double ungated = meanAbove(powers, -70.0, n);
    if (n == 0) return -70.0;
    const double gated = meanAbove(powers, loudnessOf(ungated) - 10.0, n);
    return loudnessOf(n ? gated : ungated);
}

void normaliseLoudness(std::vector<std::int16_t>& samples, unsigned rate) {
    const double loudness = integratedLoudness(samples, rate);
    if (loudness <= -70.0) return;
    int peak = 1;
    for (const std::int16_t s : samples)
        peak = std::max(peak, std::abs(int(s)));
    constexpr double ceiling = 32000; // about -0.2 dBFS
    const double gain =
        std::min(std::pow(10.0, (targetLoudness - loudness) / 20.0), ceiling / peak);
    for (std::int16_t& s : samples)
        s = static_cast<std::int16_t>(std::lround(s * gain));
}

} // namespace ql::voice
