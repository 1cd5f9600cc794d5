#include "app/MainForm.h"

#include "common/Modal.h"
#include "info/TAboutForm.h"
#include "info/TInfoForm.h"
#include "info/TNewVerForm.h"
#include "settings/StoredSettings.h"

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
        TNewVerForm news(this, InfoWindow::homePage(ProgramDir),
                         [this] { ShowHelpTopic("IDH_999"); });
        runModal(news);
        stored_.forgetEarlierVersion();
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
