// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DesktopHotKey.h"

#include "platform/linux/PortalGlobalHotKey.h"

#include <cstdio>

namespace ql {

DesktopHotKey::DesktopHotKey(Ways ways, bool waylandSession, bool x11Display)
    : ways_(ways), wayland_(waylandSession), x11Display_(x11Display) {
    ways_.portal.setOnDeclined([this] { portalDeclined(); });
}

bool DesktopHotKey::grab(Handler onPress) {
    onPress_ = std::move(onPress);
    if (active_) return active_->grab(onPress_);
    if (wayland_ && ways_.portal.grab(onPress_)) {
        active_ = &ways_.portal;
        return true;
    }
    return fallBack();
}

// The portal's answer comes late: the key was "grabbed" as far as the caller knows, so the next
// way is tried now.
void DesktopHotKey::portalDeclined() {
    if (active_ != &ways_.portal) return;
    active_ = nullptr;
    fallBack();
}

bool DesktopHotKey::fallBack() {
    if (wayland_ && ways_.desktop.grab(onPress_)) {
        active_ = &ways_.desktop;
        return true;
    }
    if (wayland_ && !x11Display_) {
        reportOnce("quorlan-lite: the desktop gives the clock no global shortcut, so Ctrl+Alt+S "
                   "cannot reach the clock; bind a key to \"quorlan-lite --speak\" in your "
                   "compositor instead\n");
        return false;
    }
    if (wayland_)
        reportOnce("quorlan-lite: the desktop gives the clock no global shortcut, so Ctrl+Alt+S "
                   "works only while an X11 window has the focus; bind a key to "
                   "\"quorlan-lite --speak\" in your compositor instead\n");
    active_ = &ways_.x11;
    return ways_.x11.grab(onPress_);
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
