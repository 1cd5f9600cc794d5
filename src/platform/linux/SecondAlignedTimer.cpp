// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SecondAlignedTimer.h"

#include "platform/LocalClock.h"

namespace ql {

SecondAlignedTimer::SecondAlignedTimer(const LocalClock& clock) : clock_(clock) {
    timer_.setObjectName("Timer1");
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5 % late: 50 ms after the second is a face visibly behind.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { fire(); });
}

void SecondAlignedTimer::start(Handler handler) {
    handler_ = std::move(handler);
    timer_.start(0);
}

void SecondAlignedTimer::stop() {
    timer_.stop();
}

bool SecondAlignedTimer::isActive() const {
    return timer_.isActive();
}

int SecondAlignedTimer::remainingTime() const {
    return timer_.remainingTime();
}

void SecondAlignedTimer::fire() {
    // Armed before the handler runs: a modal window opened by it runs its own event loop, and
    // the clock must go on ticking inside it. The extra millisecond keeps a timer that fires a
    // hair early from reading the second that is just ending.
    timer_.start(clock_.msToNextSecond() + 1);
    if (handler_) handler_();
}

} // namespace ql
