// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopGeometry.h"

#include <QString>

namespace ql {

class QtDesktopGeometry : public DesktopGeometry {
  public:
    QtDesktopGeometry();
    DesktopSize virtualSize() const override;
    std::vector<DesktopRect> monitors() const override;
    bool allows(WindowFeature feature) const override;
    // Whether the window manager blends an X11 window by its opacity property, for the desktop
    // named in XDG_CURRENT_DESKTOP (a colon-separated list) in a Wayland session or not.
    static bool blendsX11Opacity(const QString& currentDesktop, bool waylandSession);

  private:
    bool wayland_;
    bool blends_;
};

} // namespace ql
