// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace ql {

struct LocalTime {
    std::uint16_t year = 0;
    std::uint16_t month = 0;     // 1-12
    std::uint16_t day = 0;       // 1-31
    std::uint16_t hour = 0;      // 0-23
    std::uint16_t minute = 0;    // 0-59
    std::uint16_t second = 0;    // 0-59
    std::uint16_t dayOfWeek = 0; // 1 = Sunday ... 7 = Saturday
};

// The local wall clock. Read at every tick, so implementations must be cheap.
class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual LocalTime now() const = 0;
    // Milliseconds until the wall clock's next whole second, 1..1000.
    virtual int msToNextSecond() const = 0;
};

} // namespace ql
