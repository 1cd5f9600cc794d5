// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Synth.h"

namespace ql::soundgen {

// The built-in alarm sounds, mono at sampleRate, peaks at -3 dBFS.
Signal yipe();    // a bright yelp that leaps up and falls back, ~0.52 s
Signal lazer();   // a sci-fi "pew": a falling zap, ~0.47 s
Signal whistle(); // a two-part whistle, up and then up-and-down, ~1.73 s
Signal fanfare(); // a short brass call ending on a held chord, ~2.60 s

} // namespace ql::soundgen
