#include "app/MainForm.h"

#include "platform/LocalClock.h"

namespace ql {

// Runs ten times a second: a tick on which no unit changed must stay a handful of comparisons.
void TMainForm::Timer1Timer() {
    if (FStartupPending) FirstRunExecute();
    if (FClosePending && Close()) return;
    readClock();
    const bool secChanged = CurSec != LastSec;
    const bool minChanged = CurMin != LastMin;
    const bool hourChanged = CurHour != LastHour;
    const bool dayChanged = CurDay != LastDay;
    if (secChanged) {
        if (FSmallMode)
            BlinkMiniColon();
        else
            UpdateSeconds();
        UpdateTrayHint();
    }
    if (minChanged) {
        if (FSmallMode)
            UpdateMiniTime();
        else
            UpdateMinutes();
        DrawTrayIcon();
        if (CurMin % FAnnounceInterval == 0 && FAnnounceOn && !FSpeaking && FSpeakProc)
            startAnnouncement();
        FAlarmDone = false;
    }
    if (hourChanged) {
        if (FSmallMode)
            UpdateMiniTime();
        else
            UpdateHours();
    }
    if (dayChanged && !FSmallMode) UpdateDate();
    LastHour = CurHour;
    LastMin = CurMin;
    LastSec = CurSec;
    LastDay = CurDay;
    if (!FAlarmShowing && FAlarmOn && !FAlarmDone && CurHour == FAlarmHour &&
        CurMin == FAlarmMinute)
        Alarm();
}

} // namespace ql
