#include "platform/linux/QtDesktopGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace ql {

DesktopSize QtDesktopGeometry::virtualSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->virtualGeometry();
    return {r.width(), r.height()};
}

std::vector<DesktopRect> QtDesktopGeometry::monitors() const {
    std::vector<DesktopRect> all;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->geometry();
        all.push_back({r.x(), r.y(), r.width(), r.height()});
    }
    return all;
}

// A native Wayland client can neither place nor raise its window, nor leave the taskbar, and
// Qt's Wayland plugin has no window opacity.
bool QtDesktopGeometry::allows(WindowFeature) const {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

} // namespace ql
