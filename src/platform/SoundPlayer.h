// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

#include <memory>
#include <string>

namespace ql {

// Plays one sound at a time without ever blocking the caller; a new sound cuts off the one playing.
class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // A whole wave file held in memory; no fallback.
    virtual void playMemory(std::shared_ptr<const QByteArray> wave) = 0;
    // The same, but returns once the sound has been heard, cut off by another or dropped: for a
    // worker thread that plays sounds one after another. Never call it on the GUI thread.
    virtual void playMemoryAndWait(std::shared_ptr<const QByteArray> wave) = 0;
    // The default sound plays when the file cannot be played.
    virtual void playFile(const std::string& path) = 0;
    // The desktop's default beep.
    virtual void beep() = 0;
    virtual void stop() = 0;
};

} // namespace ql
