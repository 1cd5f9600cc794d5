// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace ql {

// The desktop's notification area (system tray), which may be missing, or go away and come back
// when the panel that hosts it restarts.
class TrayHost {
  public:
    using ChangeHandler = std::function<void(bool available)>;

    virtual ~TrayHost() = default;
    virtual bool available() = 0;
    // The handler runs on the user-interface thread whenever a tray host appears, goes away or
    // is replaced by a new one (a restarted panel needs its icons added again).
    virtual void watch(ChangeHandler onChange) = 0;
    // True when the icon is served over D-Bus: the tray's primary action is then one click (D-Bus
    // panels send Activate and never a double-click), and every change of the icon or its hint is
    // a signal that wakes the panel. False on XEmbed trays, where a click comes before every
    // double-click. Asked once the icon exists: the way it is served is chosen when it is made.
    virtual bool activatesOnClick() = 0;
};

} // namespace ql
