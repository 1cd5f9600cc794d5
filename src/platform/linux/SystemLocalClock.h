#pragma once

#include "platform/LocalClock.h"

namespace ql {

// Converts to local time only when the second changes; other reads are one clock_gettime.
class SystemLocalClock : public LocalClock {
  public:
    LocalTime now() const override;
    int msToNextSecond() const override;

  private:
    mutable long lastSecond_ = -1;
    mutable LocalTime last_;
};

} // namespace ql
