#include "app/MainForm.h"

#include "alarm/AlarmSound.h"
#include "alarm/TAlarmAlertForm.h"
#include "common/Modal.h"
#include "display/ClockData.h"
#include "speech/Announcer.h"

namespace ql {

// Returns only when the user has closed the alert; ticks go on meanwhile inside its loop.
void TMainForm::Alarm() {
    TAlarmAlertForm alert(*this);
    FAlarmShowing = true;
    if (isVisible()) {
        raise();
        activateWindow();
    }
    runModal(alert);
    if (FClosed) return;     // the close ended the alert's loop; the clock is gone
    alert.AlarmTimer.stop(); // the last sound plays to its end
    FAlarmShowing = false;
    FAlarmDone = true;
}

void TMainForm::PlayAlarmSound(int sound, const QString& path) {
    playAlarmSound(P.sound, ClockData ? &ClockData->AlarmSoundList : nullptr, sound, path);
}

void TMainForm::SpeakBeforeAlarm() {
    announcer_.SpeakBeforeAlarm(cfg().FSpeechVolume);
}

} // namespace ql
