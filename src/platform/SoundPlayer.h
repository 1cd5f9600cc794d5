#pragma once

#include <QByteArray>

#include <memory>
#include <string>

namespace ql {

// Plays one sound at a time without ever blocking the caller; a new sound cuts off the one playing.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    virtual void playMemory(std::shared_ptr<const QByteArray>
                                wave) = 0; // a whole wave file held in memory; no fallback
    virtual void
    playFile(const std::string& path) = 0; // the default sound plays when the file cannot be played
    virtual void beep() = 0;               // the desktop's default beep
    virtual void stop() = 0;
};

} // namespace ql
