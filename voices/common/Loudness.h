#pragma once

#include <cstdint>
#include <vector>

namespace ql::voice {

// Voices differ in level by a factor of two or more; every sentence is brought to the same peak
// (about -2 dBFS, never more than 3x louder) so that the volume the clock sets means the same in
// every language.
void normalisePeak(std::vector<std::int16_t>& samples);

} // namespace ql::voice
