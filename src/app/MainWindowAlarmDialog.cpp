// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "alarm/AlarmController.h"
#include "alarm/AlarmDialog.h"
#include "common/Dialogs.h"
#include "info/HelpPages.h"

namespace ql {

// The dialog edits a copy: only OK hands the changes back, Cancel leaves every setting alone.
void MainWindow::AlarmButtonClick() {
    if (dialogs_.raiseOpen()) return;
    AlarmDialog form(
        this, cfg(), dialogs_,
        {[this](int sound, const QString& path) { alarm_.PlayAlarmSound(sound, path); },
         [this] { help_.ShowHelpContext(20); }});
    emit dialogOpens();
    const bool confirmed = dialogs_.run(form) == QDialog::Accepted;
    if (closed_) return;
    if (confirmed) settings_.assign(form.result());
    emit dialogClosed();
}

} // namespace ql
