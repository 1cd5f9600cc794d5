// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

namespace ql::soundgen {

constexpr double sampleRate = 44100.0;
using Signal = std::vector<float>;
using Curve = std::function<double(double)>; // seconds -> value

// Smooth 0..1 ramp (raised cosine) over [start, start + length].
double ramp(double t, double start, double length);

// Gate that rises over `attack` from `start` and falls over `release` before `end`.
double envelope(double t, double start, double end, double attack, double release);

// Glide from a to b over [start, start + length] with an S-shaped (eased) curve.
double glide(double t, double start, double length, double a, double b);

// A band-limited harmonic tone: `harmonic(k, t)` gives the amplitude of partial k (1-based);
// partials above `ceilingHz` are left out and those near it faded, so nothing aliases.
void addTone(Signal& out, double start, double end, const Curve& pitch, const Curve& level,
             const std::function<double(int, double)>& harmonic, double ceilingHz = 12000.0);

// Breath-like noise band-passed around a moving centre frequency.
void addBreath(Signal& out, double start, double end, const Curve& centre, const Curve& level);

// Small room: a Schroeder reverberator mixed in at `wet`.
void addRoom(Signal& out, double wet);

// Removes DC, fades the very ends and scales the peak to `peakDb` dBFS.
void finish(Signal& out, double peakDb);

} // namespace ql::soundgen
