// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/RemoteControl.h"

#include <QDBusContext>
#include <QObject>

namespace ql {

// The clock's name on the session bus, org.vessantry.QuorlanLite, with the methods Speak and Show.
class DBusRemoteControl : public QObject, public RemoteControl, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.vessantry.QuorlanLite")
  public:
    bool serve(Handler onSpeak) override;
    // The client side of "--speak": 0 when a running clock speaks, else 1 with the reason on
    // stderr.
    static int askRunningClockToSpeak();
    // Show brings the window back from the notification area, for a key bound to "--show": a
    // tray icon on X11 cannot take the keyboard focus.
    void onShow(std::function<void()> handler) { onShow_ = std::move(handler); }
    // The client side of "--show", answered as "--speak" is.
    static int askRunningClockToShow();

  public slots:
    Q_SCRIPTABLE void Speak();
    Q_SCRIPTABLE void Show();

  private:
    Handler onSpeak_;
    std::function<void()> onShow_;
};

} // namespace ql
