// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/SecondAlignedTimer.h"

#include "platform/LocalClock.h"

namespace ql {

SecondAlignedTimer::SecondAlignedTimer(const LocalClock& clock, QObject* parent)
    : QObject(parent), clock_(clock) {
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5 % late: 50 ms after the second is a face visibly behind.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &SecondAlignedTimer::fire);
}

void SecondAlignedTimer::start() {
    timer_.start(0);
}

void SecondAlignedTimer::stop() {
    timer_.stop();
}

bool SecondAlignedTimer::isActive() const {
    return timer_.isActive();
}

void SecondAlignedTimer::fireSoon() {
    if (timer_.isActive()) timer_.start(0);
}

int SecondAlignedTimer::remainingTime() const {
    return timer_.remainingTime();
}

void SecondAlignedTimer::fire() {
    // Armed before the handlers run: a modal window opened by one of them runs its own event
    // loop, and the clock must go on ticking inside it. The extra millisecond keeps a timer that
    // fires a hair early from reading the second that is just ending.
    timer_.start(clock_.msToNextSecond() + 1);
    emit timeout();
}

} // namespace ql
