#include "app/AppIdentity.h"

#include "common/AppIcon.h"

#include <QApplication>

namespace ql {

void applyAppIdentity(const char* version) {
    // On X11 the application name becomes the class half of every window's WM_CLASS.
    QApplication::setApplicationName(kAppId);
    QApplication::setApplicationVersion(version);
    QGuiApplication::setDesktopFileName(kAppId); // the Wayland app id
    QApplication::setWindowIcon(AppIcon::icon());
}

} // namespace ql
