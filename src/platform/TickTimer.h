// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace ql {

// The clock's heartbeat, behind an interface so that tests tick when they choose.
class TickTimer {
  public:
    using Handler = std::function<void()>;
    virtual ~TickTimer() = default;
    // From here on the handler runs once as soon as the event loop runs, then just after each
    // second boundary of the wall clock, until stop().
    virtual void start(Handler handler) = 0;
    virtual void stop() = 0;
};

} // namespace ql
