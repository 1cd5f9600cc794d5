#pragma once

#include "platform/DesktopGeometry.h"

namespace ql {

class QtDesktopGeometry : public DesktopGeometry {
  public:
    DesktopSize virtualSize() const override;
    bool allows(WindowFeature feature) const override;
};

} // namespace ql
