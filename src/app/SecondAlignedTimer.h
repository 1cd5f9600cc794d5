// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

namespace ql {

class LocalClock;

// The clock's heartbeat: fires 1 ms after each second boundary of the wall clock, so the face
// changes with the true second and an idle clock wakes once a second. The delay is taken from the
// wall clock at every firing, so a clock step, an NTP correction or a resume from suspend is
// picked up at the next boundary.
class SecondAlignedTimer : public QObject {
    Q_OBJECT

  public:
    explicit SecondAlignedTimer(const LocalClock& clock, QObject* parent = nullptr);

    // Fires once as soon as the event loop runs, then at every boundary.
    void start();
    void stop();
    bool isActive() const;
    // One firing on its own event at once, for work that must not wait for the next boundary;
    // the boundaries after it stay as they were.
    void fireSoon();
    // Milliseconds until the next firing, -1 when stopped.
    int remainingTime() const;

  signals:
    void timeout();

  private:
    void fire();

    const LocalClock& clock_;
    QTimer timer_;
};

} // namespace ql
