// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ClockApp.h"

#include "app/MainWindow.h"

#include <QTimer>

namespace ql {

// The welcome and upgrade windows open after this tick, like the alert: a timer's event is not
// delivered again while its own handler runs, so a window's loop inside the tick would stop
// the clock behind it.
void ClockApp::startupWork() {
    if (!upgraded_ && !firstRun_) {
        FirstRunExecute();
        return;
    }
    startupPending_ = false;
    QTimer::singleShot(0, mainForm_.get(), [this] {
        if (!closed_) FirstRunExecute();
    });
}

// Runs on every tick while the start-up work is pending. Each flag is cleared before its window
// opens: the tick goes on inside the modal window, and must not open it a second time.
void ClockApp::FirstRunExecute() {
    tray_.showPendingWindow();
    if (upgraded_) {
        upgraded_ = false;
        startupPending_ = false;
        info_.showUpgradeNews();
        stored_.forgetEarlierVersion();
        if (closed_) return;
    }
    if (firstRun_) {
        firstRun_ = false;
        startupPending_ = false;
        info_.showWelcome();
    }
}

} // namespace ql
