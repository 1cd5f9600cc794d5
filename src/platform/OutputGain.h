// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ql {

// The clock's own output level: a gain on the samples of its speech and alarm sounds, from 0
// (silent) to 0xFFFF (full level). The desktop's volume is never read or written.
class OutputGain {
  public:
    virtual ~OutputGain() = default;
    virtual std::uint16_t level() const = 0;
    virtual void setLevel(std::uint16_t level) = 0;
};

} // namespace ql
