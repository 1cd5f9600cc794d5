// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ql {

// One id names the launcher, the AppStream entry, the icon and the windows' class.
inline constexpr const char* kAppId = "org.vessantry.QuorlanLite";
// What panels call the tray item.
inline constexpr const char* kAppTitle = "Quorlan Lite";

// Gives every window the class desktops match to the launcher (StartupWMClass) and the
// application icon. Call once the QApplication exists, before the first window.
void applyAppIdentity(const char* version);
// D-Bus panels list the tray item by the application name: from now on it is kAppTitle.
void nameTrayItem(QWidget& mainWindow);

} // namespace ql
