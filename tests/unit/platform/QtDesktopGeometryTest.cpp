// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/QtDesktopGeometry.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

// Which desktops blend an XWayland or X11 window by its opacity property.
TEST(QtDesktopGeometryTest, OnlyGnomeOnWaylandLeavesX11WindowsOpaque) {
    const struct {
        const char* currentDesktop;
        bool wayland;
        bool blends;
    } cases[] = {
        {"GNOME", true, false},
        {"ubuntu:GNOME", true, false},
        {"gnome", true, false},
        {"GNOME", false, true},
        {"KDE", true, true},
        {"sway", true, true},
        {"GNOME-Flashback", true, true},
        {"", true, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(QtDesktopGeometry::blendsX11Opacity(c.currentDesktop, c.wayland), c.blends)
            << c.currentDesktop << " wayland " << c.wayland;
}

} // namespace
} // namespace ql
