#pragma once

#include "platform/GlobalHotKey.h"

namespace ql {

class PortalGlobalHotKey;

// Chooses how Ctrl+Alt+S reaches the clock on this desktop: in a Wayland session through the
// desktop portal, which alone sees every key; on X11, or where no portal offers shortcuts, by the
// X11 grab (under XWayland that only works while an X11 window has the focus, so it says so).
class DesktopHotKey : public GlobalHotKey {
  public:
    // x11 and portal outlive this object; waylandSession: WAYLAND_DISPLAY is set.
    DesktopHotKey(GlobalHotKey& x11, PortalGlobalHotKey& portal, bool waylandSession);
    bool grab(Handler onPress) override;
    void release() override;

  private:
    GlobalHotKey& x11_;
    PortalGlobalHotKey& portal_;
    GlobalHotKey* active_ = nullptr;
    bool wayland_;
    bool reported_ = false;
};

} // namespace ql
