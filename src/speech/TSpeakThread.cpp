#include "speech/TSpeakThread.h"

namespace ql {

TSpeakThread::TSpeakThread(SpeakProc speak) : speak_(speak) {
    // finished() comes from the worker; this object lives on the creating thread, so the queued
    // call runs there, after run() has returned.
    connect(this, &QThread::finished, this, &TSpeakThread::finish, Qt::QueuedConnection);
}

void TSpeakThread::run() {
    try {
        if (speak_) speak_();
    } catch (...) {
        // A failing voice ends the announcement silently; done() still follows.
    }
}

void TSpeakThread::finish() {
    emit done();
    deleteLater();
}

} // namespace ql
