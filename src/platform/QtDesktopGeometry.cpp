#include "platform/QtDesktopGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace ql {

DesktopSize QtDesktopGeometry::virtualSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {};
    const QRect r = screen->virtualGeometry();
    return {r.width(), r.height()};
}

} // namespace ql
