#include "app/MainForm.h"

#include "alarm/AlarmSound.h"
#include "alarm/TAlarmAlertForm.h"
#include "common/Modal.h"
#include "display/ClockData.h"

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
    alert.AlarmTimer.stop(); // the last sound plays to its end
    FAlarmShowing = false;
    FAlarmDone = true;
}

void TMainForm::PlayAlarmSound(int sound, const QString& path) {
    playAlarmSound(P.sound, ClockData ? &ClockData->AlarmSoundList : nullptr, sound, path);
}

void TMainForm::SpeakBeforeAlarm() {
    DisableSpeech();
    const std::uint32_t v = static_cast<std::uint16_t>(cfg().FSpeechVolume * 1000);
    SetWaveVolume(v + v * 65536u);
    try {
        FSpeakProc();
    } catch (...) {
        // A failing voice must not take the alarm down with it: the sound still plays.
    }
    EnableSpeech();
}

} // namespace ql
