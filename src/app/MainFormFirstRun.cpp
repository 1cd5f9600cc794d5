#include "app/MainForm.h"

#include "common/Modal.h"
#include "info/TAboutForm.h"
#include "info/TInfoForm.h"
#include "info/TNewVerForm.h"
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
        TNewVerForm news(this, InfoWindow::homePage(ProgramDir),
                         [this] { ShowHelpTopic("IDH_999"); });
        runModal(news);
        // Failures here only leave the old key behind; the store reports its own on stderr.
        if (P.store.keyExists(kLegacyKey)) P.store.deleteKey(kLegacyKey);
        if (FClosed) return;
    }
    if (FFirstRun) {
        FFirstRun = false;
        FStartupPending = false;
        TInfoForm welcome(this, InfoWindow::homePage(ProgramDir), [this] { ShowHelpFinder(); });
        runModal(welcome);
    }
}

void TMainForm::About1Click() {
    if (raiseIfOpen<TAboutForm>()) return;
    TAboutForm about(this, InfoWindow::homePage(ProgramDir));
    runModal(about);
}

} // namespace ql
