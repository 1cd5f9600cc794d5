// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

namespace ql::voice {

// Malay and Indonesian count alike and differ in a unit word (eight: "lapan", "delapan"):
// "sebelas", "<unit> belas", "<unit> puluh <unit>". n is 1-59.
std::string malayNumber(const std::array<const char*, 10>& units, int n);

} // namespace ql::voice
