#include "app/MainForm.h"

#include "info/InfoDesk.h"
#include "settings/StoredSettings.h"
#include "tray/TrayController.h"

namespace ql {

// Runs on every tick while the start-up work is pending. Each flag is cleared before its window
// opens: the tick goes on inside the modal window, and must not open it a second time.
void TMainForm::FirstRunExecute() {
    tray_.showPendingWindow();
    if (FUpgraded) {
        FUpgraded = false;
        FStartupPending = false;
        info_.showUpgradeNews();
        stored_.forgetEarlierVersion();
        if (FClosed) return;
    }
    if (FFirstRun) {
        FFirstRun = false;
        FStartupPending = false;
        info_.showWelcome();
    }
}

} // namespace ql
