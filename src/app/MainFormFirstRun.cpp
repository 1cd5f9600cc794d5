#include "app/MainForm.h"

#include "info/InfoDesk.h"
#include "platform/SettingsStore.h"
#include "settings/RegistrySettings.h"
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
        // Failures here only leave the old key behind; the store reports its own on stderr.
        if (P.store.keyExists(kLegacyKey)) P.store.deleteKey(kLegacyKey);
        if (FClosed) return;
    }
    if (FFirstRun) {
        FFirstRun = false;
        FStartupPending = false;
        info_.showWelcome();
    }
}

} // namespace ql
