// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LocalClock.h"
#include "platform/linux/TimeZoneWatcher.h"

namespace ql {

// Converts to local time only when the second changes; other reads are one clock_gettime.
// Follows a change of the system's time zone (a laptop that travels) as soon as it is made.
class SystemLocalClock : public LocalClock {
  public:
    SystemLocalClock();
    LocalTime now() const override;
    int msToNextSecond() const override;

  private:
    mutable long lastSecond_ = -1;
    mutable LocalTime last_;
    TimeZoneWatcher zoneWatcher_;
};

} // namespace ql
