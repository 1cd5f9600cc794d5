// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ql {

// The desktop's notifications: a short message it shows beside the windows and keeps for the
// user to read later.
class DesktopNotifier {
  public:
    virtual ~DesktopNotifier() = default;
    // Returns at once. Where the desktop shows no notifications, nothing is shown.
    virtual void notify(const QString& summary, const QString& body) = 0;
};

} // namespace ql
