#include "app/MainForm.h"

#include "alarm/AlarmController.h"
#include "alarm/TAlarmForm.h"
#include "common/Modal.h"

namespace ql {

// The dialog edits a copy: only OK hands the changes back, Cancel leaves every setting alone.
void TMainForm::AlarmButtonClick() {
    if (raiseIfOpen<TAlarmForm>()) return;
    TAlarmForm form(this, cfg(),
                    {[this](int sound, const QString& path) { alarm_.PlayAlarmSound(sound, path); },
                     [this] { ShowHelpContext(20); }});
    if (cfg().FShowInTaskbar)
        ShowTaskbarButton();
    else
        HideTaskbarButton();
    const int result = runModal(form);
    if (FClosed) return;
    if (result == QDialog::Accepted) {
        settings_.assign(form.result());
        FormPaint();
    }
    HideTaskbarButton();
}

} // namespace ql
