// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Synth.h"

namespace ql::soundgen {

// The chime before a periodic announcement: two soft struck-bar notes, high then low, ~1.0 s,
// peaks at -6 dBFS so that it sits under the voice that follows.
Signal chime();

} // namespace ql::soundgen
