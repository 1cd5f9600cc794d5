// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopGeometry.h"

#include <ostream>
#include <set>

namespace ql {

// Asks the desktop before the clock places, raises, fades or un-lists its window. What the
// desktop does not allow is said once, so the user knows why a setting has no effect here.
class WindowLimits {
  public:
    explicit WindowLimits(const DesktopGeometry& desktop);
    WindowLimits(const DesktopGeometry& desktop, std::ostream& out);
    bool allows(WindowFeature feature);

  private:
    const DesktopGeometry& desktop_;
    std::ostream& out_;
    std::set<WindowFeature> reported_;
};

} // namespace ql
