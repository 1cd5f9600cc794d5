#pragma once

#include "platform/RemoteControl.h"

#include <QObject>

namespace ql {

// The clock's name on the session bus, org.vessantry.QuorlanLite, with one method, Speak.
class DBusRemoteControl : public QObject, public RemoteControl {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vessantry.QuorlanLite")
  public:
    bool serve(Handler onSpeak) override;
    // The client side of "--speak": 0 when a running clock took the request, else 1 with a
    // message on stderr.
    static int askRunningClockToSpeak();

  public slots:
    Q_SCRIPTABLE void Speak();

  private:
    Handler onSpeak_;
};

} // namespace ql
