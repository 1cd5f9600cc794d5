#include "app/MainForm.h"

#include "common/Modal.h"
#include "platform/SettingsStore.h"
#include "settings/RegistrySettings.h"

namespace ql {

void TMainForm::FirstRunExecute() {
    if (FShowPending) {
        ShowMainWindow();
        if (FShowInTaskbar)
            ShowTaskbarButton();
        else
            HideTaskbarButton();
        FShowPending = false;
    }
    if (FUpgraded) {
        FUpgraded = false;
        FStartupPending = false; // before the window opens: inner ticks must not open it again
        showMessage(this, MessageKind::Plain, "Thank you for upgrading", "Welcome to version 2.6");
        if (P.store.keyExists(kLegacyKey)) P.store.deleteKey(kLegacyKey);
    }
    if (FFirstRun) {
        FFirstRun = false;
        FStartupPending = false;
        showMessage(this, MessageKind::Plain, "Welcome!", "Welcome to the Multilingual Quorlan!");
    }
}

} // namespace ql
