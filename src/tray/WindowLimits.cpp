// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/WindowLimits.h"

#include <iostream>

namespace ql {
namespace {

const char* consequence(WindowFeature feature) {
    switch (feature) {
    case WindowFeature::Position:
        return "the desktop does not let the clock place its window; it opens where the "
               "desktop puts it, and the stored position is kept";
    case WindowFeature::StayOnTop:
        return "the desktop does not let the clock keep its window on top; \"Always on top\" "
               "has no effect here";
    case WindowFeature::TaskbarButton:
        return "the desktop does not let the clock hide its taskbar button";
    case WindowFeature::Opacity:
        return "the desktop does not let the clock make its window translucent; transparency "
               "has no effect here";
    }
    return "";
}

} // namespace

WindowLimits::WindowLimits(const DesktopGeometry& desktop) : WindowLimits(desktop, std::cerr) {}

WindowLimits::WindowLimits(const DesktopGeometry& desktop, std::ostream& out)
    : desktop_(desktop), out_(out) {}

bool WindowLimits::allows(WindowFeature feature) {
    if (desktop_.allows(feature)) return true;
    if (reported_.insert(feature).second)
        out_ << "quorlan-lite: " << consequence(feature) << "\n" << std::flush;
    return false;
}

} // namespace ql
