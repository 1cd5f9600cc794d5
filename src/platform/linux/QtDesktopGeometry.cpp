// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/QtDesktopGeometry.h"

#include <QGuiApplication>
#include <QScreen>

namespace ql {

QtDesktopGeometry::QtDesktopGeometry()
    : wayland_(QGuiApplication::platformName() == QLatin1String("wayland")),
      blends_(blendsX11Opacity(qEnvironmentVariable("XDG_CURRENT_DESKTOP"),
                               !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))) {}

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
bool QtDesktopGeometry::allows(WindowFeature feature) const {
    if (wayland_) return false;
    return feature != WindowFeature::Opacity || blends_;
}

// GNOME Shell on Wayland sets XWayland windows opaque whatever their property says (on Xorg it
// blends them).
bool QtDesktopGeometry::blendsX11Opacity(const QString& currentDesktop, bool waylandSession) {
    const auto desktops = currentDesktop.split(':');
    return !waylandSession || !desktops.contains(QStringLiteral("GNOME"), Qt::CaseInsensitive);
}

} // namespace ql
