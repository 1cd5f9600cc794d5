// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace ql {

struct DesktopSize {
    int width = 0;
    int height = 0;
};

// One monitor's area on the virtual desktop.
struct DesktopRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// What a program may ask of the window system for its own window. X11 allows all of these;
// a Wayland compositor decides them itself.
enum class WindowFeature { Position, StayOnTop, TaskbarButton, Opacity };

// The desktop the clock's window lives on.
class DesktopGeometry {
  public:
    virtual ~DesktopGeometry() = default;
    // Size of the virtual desktop, all monitors together.
    virtual DesktopSize virtualSize() const = 0;
    // The monitors; empty when the window system does not say.
    virtual std::vector<DesktopRect> monitors() const = 0;
    virtual bool allows(WindowFeature feature) const = 0;
};

} // namespace ql
