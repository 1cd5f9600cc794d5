#include "app/MainForm.h"

#include "alarm/AlarmController.h"
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
        alarm_.minuteChanged();
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
    alarm_.check(CurHour, CurMin);
}

} // namespace ql
