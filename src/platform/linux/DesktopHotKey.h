// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalHotKey.h"

namespace ql {

class PortalGlobalHotKey;

// Chooses how Ctrl+Alt+S reaches the clock on this desktop: in a Wayland session through the
// desktop portal, which alone sees every key, or, where the portal binds nothing for us, the
// desktop's own key service (Plasma's); failing both, by the X11 grab (under XWayland that only
// works while an X11 window has the focus, so it says so; without X11 at all nothing can see the
// key, and it says that). Whatever falls short is said once, naming "--speak".
class DesktopHotKey : public GlobalHotKey {
  public:
    struct Ways {
        GlobalHotKey& x11;
        PortalGlobalHotKey& portal;
        GlobalHotKey& desktop; // the desktop's own service: false where there is none
    };
    // The ways outlive this object; waylandSession: WAYLAND_DISPLAY is set; x11Display: the
    // clock runs on an X server (XWayland included).
    DesktopHotKey(Ways ways, bool waylandSession, bool x11Display);
    bool grab(Handler onPress) override;
    void release() override;

  private:
    bool fallBack();
    void portalDeclined();
    void reportOnce(const char* line);

    Ways ways_;
    GlobalHotKey* active_ = nullptr;
    Handler onPress_;
    bool wayland_;
    bool x11Display_;
    bool reported_ = false;
};

} // namespace ql
