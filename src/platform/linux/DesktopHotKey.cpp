#include "platform/linux/DesktopHotKey.h"

#include "platform/linux/PortalGlobalHotKey.h"

#include <cstdio>

namespace ql {

DesktopHotKey::DesktopHotKey(GlobalHotKey& x11, PortalGlobalHotKey& portal, bool waylandSession)
    : x11_(x11), portal_(portal), wayland_(waylandSession) {}

bool DesktopHotKey::grab(Handler onPress) {
    if (wayland_ && portal_.grab(onPress)) {
        active_ = &portal_;
        return true;
    }
    if (wayland_ && !reported_) {
        reported_ = true;
        std::fputs("quorlan-lite: no desktop portal offers global shortcuts here, so Ctrl+Alt+S "
                   "works only while an X11 window has the focus; bind a key to "
                   "\"quorlan-lite --speak\" in your compositor instead\n",
                   stderr);
    }
    active_ = &x11_;
    return x11_.grab(std::move(onPress));
}

void DesktopHotKey::release() {
    if (active_) active_->release();
    active_ = nullptr;
}

} // namespace ql
