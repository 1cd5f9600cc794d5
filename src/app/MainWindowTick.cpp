// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

namespace ql {

void MainWindow::secondChanged() {
    if (cfg().FSmallMode)
        BlinkMiniColon();
    else
        UpdateSeconds();
}

void MainWindow::minuteChanged() {
    if (cfg().FSmallMode)
        UpdateMiniTime();
    else
        UpdateMinutes();
}

void MainWindow::hourChanged() {
    if (cfg().FSmallMode)
        UpdateMiniTime();
    else
        UpdateHours();
}

void MainWindow::dayChanged() {
    if (!cfg().FSmallMode) UpdateDate();
}

} // namespace ql
