#include "app/MainForm.h"

#include "common/Modal.h"
#include "info/AboutWindow.h"
#include "info/UpgradeWindow.h"
#include "info/WelcomeWindow.h"
#include "platform/SettingsStore.h"
#include "settings/RegistrySettings.h"

namespace ql {

// Runs on every tick while the start-up work is pending. Each flag is cleared before its window
// opens: the tick goes on inside the modal window, and must not open it a second time.
void TMainForm::FirstRunExecute() {
    if (FShowPending) {
        ShowMainWindow();
        if (cfg().FShowInTaskbar)
            ShowTaskbarButton();
        else
            HideTaskbarButton();
        FShowPending = false;
    }
    if (FUpgraded) {
        FUpgraded = false;
        FStartupPending = false;
        UpgradeWindow news(this, InfoWindow::homePage(ProgramDir),
                           [this] { ShowHelpTopic("IDH_999"); });
        runModal(news);
        // Failures here only leave the old key behind; the store reports its own on stderr.
        if (P.store.keyExists(kLegacyKey)) P.store.deleteKey(kLegacyKey);
        if (FClosed) return;
    }
    if (FFirstRun) {
        FFirstRun = false;
        FStartupPending = false;
        WelcomeWindow welcome(this, InfoWindow::homePage(ProgramDir), [this] { ShowHelpFinder(); });
        runModal(welcome);
    }
}

void TMainForm::About1Click() {
    if (raiseIfOpen<AboutWindow>()) return;
    AboutWindow about(this, InfoWindow::homePage(ProgramDir));
    runModal(about);
}

} // namespace ql
