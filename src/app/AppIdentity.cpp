// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/AppIdentity.h"

#include "common/AppIcon.h"

#include <QApplication>
#include <QWidget>

namespace ql {

void applyAppIdentity(const char* version) {
    // On X11 the application name becomes the class half of every window's WM_CLASS.
    QApplication::setApplicationName(kAppId);
    QApplication::setApplicationVersion(version);
    QGuiApplication::setDesktopFileName(kAppId); // the Wayland app id
    QApplication::setWindowIcon(AppIcon::icon());
}

void nameTrayItem(QWidget& mainWindow) {
    // X11 reads the class from the application name once, when the first window is made: made
    // now, the main window keeps the id for every window that follows.
    mainWindow.winId();
    QApplication::setApplicationName(kAppTitle);
}

} // namespace ql
