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

// A native Wayland client can neither place nor raise its window, nor leave the taskbar, and
// Qt's Wayland plugin has no window opacity.
bool QtDesktopGeometry::allows(WindowFeature) const {
    return QGuiApplication::platformName() != QLatin1String("wayland");
}

} // namespace ql
