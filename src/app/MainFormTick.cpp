#include "app/MainForm.h"

#include "app/Ticker.h"

#include <QTimer>

namespace ql {

bool TMainForm::pendingWork() {
    if (FStartupPending) startupWork();
    return !(FClosePending && Close());
}

// The welcome and upgrade windows open after this tick, like the alert: a timer's event is not
// delivered again while its own handler runs, so a window's loop inside the tick would stop
// the clock behind it.
void TMainForm::startupWork() {
    if (!FUpgraded && !FFirstRun) {
        FirstRunExecute();
        return;
    }
    FStartupPending = false;
    afterTick([this] { FirstRunExecute(); });
}

void TMainForm::afterTick(std::function<void()> work) {
    QTimer::singleShot(0, this, [this, work = std::move(work)] {
        if (!FClosed) work();
    });
}

void TMainForm::secondChanged() {
    if (cfg().FSmallMode)
        BlinkMiniColon();
    else
        UpdateSeconds();
}

void TMainForm::minuteChanged() {
    if (cfg().FSmallMode)
        UpdateMiniTime();
    else
        UpdateMinutes();
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

} // namespace ql
