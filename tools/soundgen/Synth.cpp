// SPDX-License-Identifier: GPL-3.0-or-later
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace ql::soundgen {
namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

std::size_t index(double seconds) {
    return static_cast<std::size_t>(std::max(0.0, std::round(seconds * sampleRate)));
}

// Feedback comb with a one-pole low-pass in the loop, so the tail darkens as it decays.
Signal comb(const Signal& in, double delaySeconds, double feedback) {
    const std::size_t d = index(delaySeconds);
    Signal out(in.size(), 0.0f);
    double lp = 0.0;
    for (std::size_t i = d; i < in.size(); ++i) {
        lp = 0.6 * out[i - d] + 0.4 * lp;
        out[i] = static_cast<float>(in[i - d] + feedback * lp);
    }
    return out;
}

void allpass(Signal& s, double delaySeconds, double g) {
    const std::size_t d = index(delaySeconds);
    Signal in = s;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double delayedIn = i >= d ? in[i - d] : 0.0;
        const double delayedOut = i >= d ? s[i - d] : 0.0;
        s[i] = static_cast<float>(-g * in[i] + delayedIn + g * delayedOut);
    }
}

} // namespace

double ramp(double t, double start, double length) {
    if (t <= start) return 0.0;
    if (t >= start + length) return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * (t - start) / length);
}

double envelope(double t, double start, double end, double attack, double release) {
    return ramp(t, start, attack) * (1.0 - ramp(t, end - release, release));
}

double glide(double t, double start, double length, double a, double b) {
    return a + (b - a) * ramp(t, start, length);
}

void addTone(Signal& out, double start, double end, const Curve& pitch, const Curve& level,
             const std::function<double(int, double)>& harmonic, double ceilingHz) {
    double phase = 0.0;
    const std::size_t last = std::min(index(end), out.size());
    for (std::size_t i = index(start); i < last; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double f = pitch(t);
        double sum = 0.0;
        for (int k = 1; k * f < ceilingHz; ++k) {
            const double fade = 1.0 - ramp(k * f, 0.75 * ceilingHz, 0.25 * ceilingHz);
            sum += harmonic(k, t) * fade * std::sin(k * phase);
        }
        out[i] += static_cast<float>(level(t) * sum);
        phase = std::fmod(phase + twoPi * f / sampleRate, twoPi);
    }
}

void addBreath(Signal& out, double start, double end, const Curve& centre, const Curve& level) {
    std::mt19937 rng(7);
    std::normal_distribution<double> white(0.0, 1.0);
    double z1 = 0.0, z2 = 0.0; // two-pole resonator state
    const std::size_t last = std::min(index(end), out.size());
    for (std::size_t i = index(start); i < last; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        const double r = 0.995;
        const double c = 2.0 * r * std::cos(twoPi * centre(t) / sampleRate);
        const double y = (1.0 - r) * white(rng) + c * z1 - r * r * z2;
        z2 = z1;
        z1 = y;
        out[i] += static_cast<float>(level(t) * y);
    }
}

void addRoom(Signal& out, double wet) {
    Signal sum(out.size(), 0.0f);
    for (const auto& [delay, fb] :
         {std::pair{0.0297, 0.70}, {0.0371, 0.68}, {0.0411, 0.66}, {0.0437, 0.64}}) {
        const Signal c = comb(out, delay, fb);
        for (std::size_t i = 0; i < sum.size(); ++i)
            sum[i] += 0.25f * c[i];
    }
    allpass(sum, 0.005, 0.7);
    allpass(sum, 0.0017, 0.7);
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>((1.0 - wet) * out[i] + wet * sum[i]);
}

void finish(Signal& out, double peakDb) {
    double previous = 0.0, y = 0.0;
    for (float& s : out) { // one-pole DC blocker
        y = s - previous + 0.995 * y;
        previous = s;
        s = static_cast<float>(y);
    }
    const double duration = static_cast<double>(out.size()) / sampleRate;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        out[i] *= static_cast<float>(envelope(t, 0.0, duration, 0.003, 0.02));
    }
    float peak = 0.0f;
    for (float s : out)
        peak = std::max(peak, std::abs(s));
    if (peak <= 0.0f) return;
    const double gain = std::pow(10.0, peakDb / 20.0) / peak;
    for (float& s : out)
        s = static_cast<float>(s * gain);
}

} // namespace ql::soundgen
