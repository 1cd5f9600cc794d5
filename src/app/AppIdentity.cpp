#include "app/AppIdentity.h"

#include "common/AppIcon.h"

#include <QApplication>
#include <QWindow>

namespace ql {

void applyAppIdentity(const char* version) {
    // On X11 the application name becomes the class half of every window's WM_CLASS.
    QApplication::setApplicationName(kAppId);
    QApplication::setApplicationVersion(version);
    QGuiApplication::setDesktopFileName(kAppId); // the Wayland app id
    QApplication::setWindowIcon(AppIcon::icon());
    // D-Bus panels list the tray item by the application name. X11 reads the class once, when
    // the first window is made, so a window made now keeps the id for all that follow.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) QWindow().create();
    QApplication::setApplicationName(kAppTitle);
}

} // namespace ql
