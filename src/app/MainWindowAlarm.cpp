// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

namespace ql {

// The alert comes up with the clock, when the clock is on screen.
void MainWindow::raiseForAlarm() {
    if (!isVisible()) return;
    raise();
    activateWindow();
}

} // namespace ql
