// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ql {

// True when a panel on the session bus hosts StatusNotifierItems (KDE Plasma, GNOME with the
// AppIndicator extension, waybar): Qt then serves the tray icon over D-Bus, not XEmbed.
bool statusNotifierHostRegistered();

} // namespace ql
