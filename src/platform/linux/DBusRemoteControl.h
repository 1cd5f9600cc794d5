#pragma once

#include "platform/RemoteControl.h"

#include <QDBusContext>
#include <QObject>

namespace ql {

// The clock's name on the session bus, org.vessantry.QuorlanLite, with one method, Speak.
class DBusRemoteControl : public QObject, public RemoteControl, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vessantry.QuorlanLite")
  public:
    bool serve(Handler onSpeak) override;
    // The client side of "--speak": 0 when a running clock speaks, else 1 with the reason on
    // stderr.
    static int askRunningClockToSpeak();

  public slots:
    Q_SCRIPTABLE void Speak();

  private:
    Handler onSpeak_;
};

} // namespace ql
