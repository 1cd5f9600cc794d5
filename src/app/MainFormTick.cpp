#include "app/MainForm.h"

#include "app/Ticker.h"

namespace ql {

bool TMainForm::pendingWork() {
    if (FStartupPending) FirstRunExecute();
    return !(FClosePending && Close());
}

void TMainForm::secondChanged() {
    if (cfg().FSmallMode)
        BlinkMiniColon();
    else
        UpdateSeconds();
    UpdateTrayHint();
}

void TMainForm::minuteChanged() {
    if (cfg().FSmallMode)
        UpdateMiniTime();
    else
        UpdateMinutes();
    DrawTrayIcon();
}

void TMainForm::hourChanged() {
    if (cfg().FSmallMode)
        UpdateMiniTime();
    else
        UpdateHours();
}

void TMainForm::dayChanged() {
    if (!cfg().FSmallMode) UpdateDate();
}

void TMainForm::setTickInterval(int ms) {
    ticker_.setInterval(ms);
}

} // namespace ql
