// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/SpeechThread.h"

namespace ql {

SpeechThread::SpeechThread(SpeakProc speak, std::function<void()> before)
    : speak_(speak), before_(std::move(before)) {
    // finished() comes from the worker; this object lives on the creating thread, so the queued
    // call runs there, after run() has returned.
    connect(this, &QThread::finished, this, &SpeechThread::finish, Qt::QueuedConnection);
}

void SpeechThread::run() {
    try {
        if (before_) before_();
        if (speak_) speak_();
    } catch (...) {
        // A failing voice ends the announcement silently; done() still follows.
    }
}

void SpeechThread::finish() {
    emit done();
}

} // namespace ql
