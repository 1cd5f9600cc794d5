// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/LibraryLoader.h"

#include <QThread>

#include <functional>

namespace ql {

// Calls a voice's Speak once on its own thread, after `before` (if any) has returned. done() is
// emitted on the thread that created it, once for every run, whatever Speak did.
class SpeechThread : public QThread {
    Q_OBJECT
  public:
    explicit SpeechThread(SpeakProc speak, std::function<void()> before = {});

  signals:
    void done();

  protected:
    void run() override;

  private:
    void finish();

    SpeakProc speak_;
    std::function<void()> before_;
};

} // namespace ql
