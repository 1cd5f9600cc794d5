#pragma once

#include "platform/LibraryLoader.h"

#include <QThread>

namespace ql {

// Calls a voice's Speak once on its own thread and deletes itself when done. finished() is
// connected before start(), so the completion handler runs for every announcement.
class TSpeakThread : public QThread {
    Q_OBJECT
public:
    explicit TSpeakThread(SpeakProc speak) : speak_(speak) {
        connect(this, &QThread::finished, this, &QObject::deleteLater);
    }

protected:
    void run() override;

private:
    SpeakProc speak_;
};

} // namespace ql
