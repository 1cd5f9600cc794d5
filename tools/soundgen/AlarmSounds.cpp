// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmSounds.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ql::soundgen {
namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;

// libsndfile packs 4084 mono samples at 44.1 kHz into one MS-ADPCM block and pads or drops a
// partial last one, so each sound is made a whole number of blocks long.
Signal silence(double seconds) {
    constexpr double block = 4084.0;
    const double blocks = std::max(1.0, std::round(seconds * sampleRate / block));
    return Signal(static_cast<std::size_t>(blocks * block), 0.0f);
}

double vibrato(double t, double rate, double depth, double onset) {
    return 1.0 + depth * ramp(t, onset, 0.15) * std::sin(twoPi * rate * t);
}

// Smooth resonance bump: how strongly a vowel-like filter passes frequency f.
double formant(double f, double centre, double width) {
    const double x = (f - centre) / width;
    return std::exp(-x * x);
}

// Brass: the spectrum brightens as the note speaks and mellows as it settles.
double brass(int k, double t, double start) {
    const double bright = 0.35 + 0.3 * ramp(t, start, 0.04) - 0.1 * ramp(t, start + 0.05, 0.2);
    return std::pow(bright, k - 1) / std::sqrt(static_cast<double>(k));
}

void brassNote(Signal& out, double start, double length, double hz, double level) {
    const double end = start + length;
    addTone(
        out, start, end, [=](double t) { return hz * vibrato(t, 5.5, 0.006, start + 0.35); },
        [=](double t) { return level * envelope(t, start, end, 0.025, 0.06); },
        [=](int k, double t) { return brass(k, t, start); }, 9000.0);
}

} // namespace

Signal yipe() {
    Signal s = silence(0.52);
    const auto pitch = [](double t) {
        const double up = glide(t, 0.0, 0.11, 520.0, 1250.0);
        return glide(t, 0.16, 0.3, up, 950.0) * vibrato(t, 11.0, 0.02, 0.08);
    };
    const auto vowel = [&](int k, double t) { // "ee" opening towards "eh"
        const double f = k * pitch(t);
        const double f2 = glide(t, 0.1, 0.3, 2600.0, 1900.0);
        return (0.6 * formant(f, 700.0, 600.0) + formant(f, f2, 500.0)) / k;
    };
    addTone(
        s, 0.0, 0.52, pitch, [](double t) { return envelope(t, 0.0, 0.5, 0.018, 0.16); }, vowel,
        10000.0);
    finish(s, -3.0);
    return s;
}

Signal lazer() {
    Signal s = silence(0.47);
    const auto pitch = [](double t) {
        const double fall = 2400.0 * std::pow(200.0 / 2400.0, std::min(t / 0.42, 1.0));
        return fall * (1.0 + 0.03 * std::sin(twoPi * 38.0 * t));
    };
    const auto level = [](double t) {
        return envelope(t, 0.0, 0.46, 0.006, 0.12) * std::exp(-2.2 * t);
    };
    // Odd partials give the hollow, buzzy colour; kept low so the zap stays soft.
    const auto hollow = [](int k, double) { return k % 2 ? 1.0 / (k * k) : 0.15 / (k * k); };
    addTone(s, 0.0, 0.47, pitch, level, hollow, 7000.0);
    addTone(
        s, 0.0, 0.47, [&](double t) { return 1.007 * pitch(t); },
        [&](double t) { return 0.5 * level(t); }, hollow, 7000.0);
    finish(s, -3.0);
    return s;
}

namespace {

void whistlePart(Signal& s, double start, double end, const Curve& pitch) {
    const auto level = [=](double t) { return envelope(t, start, end, 0.04, 0.09); };
    const auto pure = [](int k, double) { return k == 1 ? 1.0 : k == 2 ? 0.06 : 0.0; };
    addTone(s, start, end, pitch, level, pure, 8000.0);
    addBreath(s, start, end, pitch, [&](double t) { return 0.5 * level(t); });
}

} // namespace

Signal whistle() {
    Signal s = silence(1.73);
    whistlePart(s, 0.0, 0.5, [](double t) { return glide(t, 0.02, 0.4, 950.0, 2500.0); });
    whistlePart(s, 0.62, 1.56, [](double t) {
        const double up = glide(t, 0.64, 0.34, 950.0, 2350.0);
        return glide(t, 1.02, 0.52, up, 760.0) * vibrato(t, 6.0, 0.004, 0.9);
    });
    addRoom(s, 0.18);
    finish(s, -3.0);
    return s;
}

Signal fanfare() {
    Signal s = silence(2.6);
    constexpr double g4 = 392.0, c5 = 523.25, e5 = 659.26, g5 = 783.99;
    const double notes[][3] = {
        {0.0, 0.17, g4}, {0.2, 0.17, c5}, {0.4, 0.17, e5}, {0.6, 0.42, g5}, {1.06, 0.17, e5}};
    for (const auto& n : notes)
        brassNote(s, n[0], n[1], n[2], 0.5);
    // Final chord: melody on top, two voices beneath it.
    for (const auto& [hz, level] : {std::pair{g5, 0.5}, {e5, 0.32}, {c5, 0.32}})
        brassNote(s, 1.28, 1.05, hz, level);
    addRoom(s, 0.2);
    finish(s, -3.0);
    return s;
}

} // namespace ql::soundgen
