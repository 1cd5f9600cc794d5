#include "app/MainForm.h"

#include "platform/LocalClock.h"
#include "speech/Announcer.h"

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
        CurMin == cfg().FAlarmMinute)
        Alarm();
}

} // namespace ql
