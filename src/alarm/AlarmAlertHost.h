#pragma once

namespace ql {

// What the alarm alert asks of the clock while it is open.
class AlarmAlertHost {
  public:
    virtual ~AlarmAlertHost() = default;
    virtual int repeatSeconds() const = 0; // 0: the sound plays once
    // The spoken time before the first sound, when the user asked for it and a voice is free.
    virtual void preAnnounce() = 0;
    virtual void ring() = 0; // one alarm sound, returning at once
};

} // namespace ql
