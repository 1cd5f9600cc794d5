#pragma once

#include "platform/GlobalHotKey.h"

namespace ql {

class PortalGlobalHotKey;

// Chooses how Ctrl+Alt+S reaches the clock on this desktop: in a Wayland session through the
// desktop portal, which alone sees every key; on X11, or where no portal offers shortcuts, by the
// X11 grab (under XWayland that only works while an X11 window has the focus, so it says so;
// without X11 at all nothing can see the key, and it says that).
class DesktopHotKey : public GlobalHotKey {
  public:
    // x11 and portal outlive this object; waylandSession: WAYLAND_DISPLAY is set; x11Display:
    // the clock runs on an X server (XWayland included).
    DesktopHotKey(GlobalHotKey& x11, PortalGlobalHotKey& portal, bool waylandSession,
                  bool x11Display);
    bool grab(Handler onPress) override;
    void release() override;

  private:
    void reportOnce(const char* line);

    GlobalHotKey& x11_;
    PortalGlobalHotKey& portal_;
    GlobalHotKey* active_ = nullptr;
    bool wayland_;
    bool x11Display_;
    bool reported_ = false;
};

} // namespace ql
