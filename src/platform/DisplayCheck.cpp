#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>

#include <cstdlib>

namespace ql {
namespace {

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

} // namespace

std::string displayProblem() {
    if (!env("QT_QPA_PLATFORM").empty()) return {}; // the caller chose a platform itself
    const std::string display = env("DISPLAY");
    if (display.empty()) {
        return env("WAYLAND_DISPLAY").empty()
                   ? "no graphical display (DISPLAY is not set); start the clock from a desktop session"
                   : "no X display (DISPLAY is not set); the clock needs X11 or XWayland";
    }
    xcb_connection_t* c = xcb_connect(display.c_str(), nullptr);
    const bool broken = xcb_connection_has_error(c) != 0;
    xcb_disconnect(c);
    return broken ? "cannot open the display \"" + display + "\"" : std::string();
}

} // namespace ql
