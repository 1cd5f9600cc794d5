// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace ql {
namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

} // namespace

// Where XWayland exists the clock runs as an X11 client: the window position, stay-on-top,
// opacity and taskbar state it keeps are X11 notions that Wayland does not let a client set.
void preferX11() {
    if (env("QT_QPA_PLATFORM").empty() && !env("DISPLAY").empty())
        setenv("QT_QPA_PLATFORM", "xcb", 1);
    // The idle clock repaints a few hundred pixels a second. Through shared memory Qt waits for
    // the server after every flush, a round trip that wakes two threads each time; a plain
    // PutImage of that little needs no reply. The user's own choice stands.
    setenv("QT_XCB_NO_MITSHM", "1", 0);
}

std::string displayProblem() {
    if (!env("QT_QPA_PLATFORM").empty()) return {}; // the caller chose a platform itself
    const std::string display = env("DISPLAY");
    if (display.empty()) {
        // A Wayland session without XWayland: Qt runs natively there.
        return env("WAYLAND_DISPLAY").empty()
                   ? "no graphical display (neither DISPLAY nor WAYLAND_DISPLAY is set); start "
                     "the clock from a desktop session"
                   : std::string();
    }
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    const bool broken = xcb_connection_has_error(c) != 0;
    xcb_disconnect(c);
    return broken ? "cannot open the display \"" + display + "\"" : std::string();
}

} // namespace ql
