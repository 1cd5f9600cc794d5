// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopNotifier.h"

namespace ql {

// Notifications through org.freedesktop.Notifications on the session bus. Without such a
// service, or without a session bus, one line on stderr says so, and nothing else happens.
class FreedesktopNotifier : public DesktopNotifier {
  public:
    // appId names the icon and the launcher (the desktop entry) the notification belongs to.
    FreedesktopNotifier(QString appName, QString appId);
    void notify(const QString& summary, const QString& body) override;

  private:
    QString appName_;
    QString appId_;
};

} // namespace ql
