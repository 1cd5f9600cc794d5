#pragma once

#include "platform/RemoteControl.h"

#include <QObject>

namespace ql {

// The clock's name on the session bus, org.vessantry.QuorlanLite, with the methods Speak and Show.
class DBusRemoteControl : public QObject, public RemoteControl {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vessantry.QuorlanLite")
  public:
    bool serve(Handler onSpeak) override;
    // The client side of "--speak": 0 when a running clock took the request, else 1 with a
    // message on stderr.
    static int askRunningClockToSpeak();
    // Show brings the window back from the notification area, for a key bound to "--show": a
    // tray icon on X11 cannot take the keyboard focus.
    void onShow(Handler handler) { onShow_ = std::move(handler); }
    // The client side of "--show", answered as "--speak" is.
    static int askRunningClockToShow();

  public slots:
    Q_SCRIPTABLE void Speak();
    Q_SCRIPTABLE void Show();

  private:
    Handler onSpeak_;
    Handler onShow_;
};

} // namespace ql
