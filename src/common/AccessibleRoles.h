// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace ql {

// Screen readers learn what a custom widget is from its role: the main window is a frame, the
// painted face a text, up/down arrows a spin button, the alarm alert an alert read out as it
// opens. Installed once, before the first window is made.
void installAccessibleRoles();

} // namespace ql
