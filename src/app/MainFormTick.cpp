#include "app/MainForm.h"

#include "platform/LocalClock.h"
#include "speech/Announcer.h"

namespace ql {

// Runs just after each second boundary (and once at start): a tick on which no unit changed must
// stay a handful of comparisons.
void TMainForm::Timer1Timer() {
    if (FStartupPending) startupWork();
    if (FClosePending && Close()) return;
    readClock();
    const bool secChanged = CurSec != LastSec;
    const bool minChanged = CurMin != LastMin;
    const bool hourChanged = CurHour != LastHour;
    const bool dayChanged = CurDay != LastDay;
    if (secChanged) {
        if (cfg().FSmallMode)
            BlinkMiniColon();
        else
            UpdateSeconds();
        UpdateTrayHint();
    }
    if (minChanged) {
        if (cfg().FSmallMode)
            UpdateMiniTime();
        else
            UpdateMinutes();
        DrawTrayIcon();
        if (CurMin % cfg().FAnnounceInterval == 0 && cfg().FAnnounceOn)
            announcer_.announce(cfg().FSpeechVolume);
        FAlarmDone = false;
    }
    if (hourChanged) {
        if (cfg().FSmallMode)
            UpdateMiniTime();
        else
            UpdateHours();
    }
    if (dayChanged && !cfg().FSmallMode) UpdateDate();
    LastHour = CurHour;
    LastMin = CurMin;
    LastSec = CurSec;
    LastDay = CurDay;
    if (!FAlarmShowing && cfg().FAlarmOn && !FAlarmDone && CurHour == cfg().FAlarmHour &&
        CurMin == cfg().FAlarmMinute) {
        FAlarmShowing = true; // before it opens: no later tick raises it again
        afterTick([this] { Alarm(); });
    }
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

} // namespace ql
