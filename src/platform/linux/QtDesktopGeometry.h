#pragma once

#include "platform/DesktopGeometry.h"

namespace ql {

class QtDesktopGeometry : public DesktopGeometry {
  public:
    DesktopSize virtualSize() const override;
    std::vector<DesktopRect> monitors() const override;
    bool allows(WindowFeature feature) const override;
};

} // namespace ql
