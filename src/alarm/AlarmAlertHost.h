// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace ql {

// What the alarm alert asks of the clock while it is open.
class AlarmAlertHost {
  public:
    virtual ~AlarmAlertHost() = default;
    virtual int repeatSeconds() const = 0; // 0: the sound plays once
    virtual int snoozeMinutes() const = 0;
    // Starts the spoken time before the first sound, when the user asked for it and a voice is
    // free; spoken runs once the voice has returned. False when nothing was started.
    virtual bool preAnnounce(std::function<void()> spoken) = 0;
    virtual void ring() = 0; // one alarm sound, returning at once
};

} // namespace ql
