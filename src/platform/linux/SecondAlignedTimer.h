// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TickTimer.h"

#include <QTimer>

namespace ql {

class LocalClock;

// Fires 1 ms after each second boundary of the wall clock, so the face changes with the true
// second and an idle clock wakes once a second. The delay is taken from the wall clock at every
// firing, so a clock step, an NTP correction or a resume from suspend is picked up at the next
// boundary.
class SecondAlignedTimer : public TickTimer {
  public:
    explicit SecondAlignedTimer(const LocalClock& clock);

    // Fires once as soon as the event loop runs, then at every boundary.
    void start(Handler handler) override;
    void stop() override;
    bool isActive() const;
    // Milliseconds until the next firing, -1 when stopped.
    int remainingTime() const;

  private:
    void fire();

    const LocalClock& clock_;
    QTimer timer_;
    Handler handler_;
};

} // namespace ql
