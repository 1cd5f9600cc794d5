// SPDX-License-Identifier: GPL-3.0-or-later
#include "Chime.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ql::soundgen {
namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr double block = 4084.0; // MS-ADPCM samples per block, as for the alarm sounds

// A tuned bar (vibraphone-like): the fundamental rings longest, the bright overtones at 4 and
// 10 times it only colour the strike.
void bar(Signal& out, double start, double hz, double level) {
    struct Partial {
        double ratio, amplitude, decay;
    };
    constexpr Partial partials[] = {{1.0, 1.0, 0.45}, {4.0, 0.25, 0.12}, {10.0, 0.06, 0.04}};
    const auto first = static_cast<std::size_t>(start * sampleRate);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = static_cast<double>(i - first) / sampleRate;
        const double strike = std::min(1.0, t / 0.004); // a soft mallet, no click
        double sum = 0.0;
        for (const Partial& p : partials)
            sum += p.amplitude * std::exp(-t / p.decay) * std::sin(twoPi * p.ratio * hz * t);
        out[i] += static_cast<float>(level * strike * sum);
    }
}

} // namespace

Signal chime() {
    Signal s(static_cast<std::size_t>(11 * block), 0.0f); // ~1.02 s
    bar(s, 0.0, 1318.51, 0.8);                            // E6
    bar(s, 0.28, 1046.5, 0.8);                            // C6
    addRoom(s, 0.15);
    finish(s, -6.0);
    return s;
}

} // namespace ql::soundgen
