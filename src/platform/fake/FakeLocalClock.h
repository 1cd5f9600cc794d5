#pragma once

#include "platform/LocalClock.h"

namespace ql {

class FakeLocalClock : public LocalClock {
public:
    LocalTime time{2026, 12, 7, 10, 29, 59, 2};
    LocalTime now() const override { return time; }
    void set(int h, int m, int s) {
        time.hour = static_cast<std::uint16_t>(h);
        time.minute = static_cast<std::uint16_t>(m);
        time.second = static_cast<std::uint16_t>(s);
    }
};

} // namespace ql
