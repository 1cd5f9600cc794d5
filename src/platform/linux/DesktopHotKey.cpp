#include "platform/linux/DesktopHotKey.h"

#include "platform/linux/PortalGlobalHotKey.h"

#include <cstdio>

namespace ql {

DesktopHotKey::DesktopHotKey(GlobalHotKey& x11, PortalGlobalHotKey& portal, bool waylandSession,
                             bool x11Display)
    : x11_(x11), portal_(portal), wayland_(waylandSession), x11Display_(x11Display) {}

bool DesktopHotKey::grab(Handler onPress) {
    if (wayland_ && portal_.grab(onPress)) {
        active_ = &portal_;
        return true;
    }
    if (wayland_ && !x11Display_) {
        reportOnce("quorlan-lite: no desktop portal offers global shortcuts here, so Ctrl+Alt+S "
                   "cannot reach the clock; bind a key to \"quorlan-lite --speak\" in your "
                   "compositor instead\n");
        return false;
    }
    if (wayland_)
        reportOnce("quorlan-lite: no desktop portal offers global shortcuts here, so Ctrl+Alt+S "
                   "works only while an X11 window has the focus; bind a key to "
                   "\"quorlan-lite --speak\" in your compositor instead\n");
    active_ = &x11_;
    return x11_.grab(std::move(onPress));
}

void DesktopHotKey::reportOnce(const char* line) {
    if (reported_) return;
    reported_ = true;
    std::fputs(line, stderr);
}

void DesktopHotKey::release() {
    if (active_) active_->release();
    active_ = nullptr;
}

} // namespace ql
