// SPDX-License-Identifier: GPL-3.0-or-later
#include "MalayNumbers.h"

namespace ql::voice {

std::string malayNumber(const std::array<const char*, 10>& units, int n) {
    if (n < 10) return units[n];
    if (n == 10) return "sepuluh";
    if (n == 11) return "sebelas";
    if (n < 20) return std::string(units[n % 10]) + " belas";
    std::string s = std::string(units[n / 10]) + " puluh";
    if (n % 10) s.append(" ").append(units[n % 10]);
    return s;
}

} // namespace ql::voice
