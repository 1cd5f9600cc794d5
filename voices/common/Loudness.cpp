#include "Loudness.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace ql::voice {

void normalisePeak(std::vector<std::int16_t>& samples) {
    int peak = 0;
    for (const std::int16_t s : samples)
        peak = std::max(peak, std::abs(int(s)));
    if (peak == 0) return;
    constexpr double target = 26000;
    const double gain = std::min(target / peak, 3.0);
    for (std::int16_t& s : samples)
        s = static_cast<std::int16_t>(std::lround(s * gain));
}

} // namespace ql::voice
