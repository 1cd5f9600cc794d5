#pragma once

namespace ql {

struct DesktopSize {
    int width = 0;
    int height = 0;
};

// Size of the virtual desktop, all monitors together.
class DesktopGeometry {
public:
    virtual ~DesktopGeometry() = default;
    virtual DesktopSize virtualSize() const = 0;
};

} // namespace ql
