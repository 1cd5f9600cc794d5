#include "app/MainForm.h"

#include "alarm/AlarmController.h"

namespace ql {

void TMainForm::Alarm() {
    alarm_.Alarm();
}

// The alert comes up with the clock, when the clock is on screen.
void TMainForm::raiseForAlarm() {
    if (!isVisible()) return;
    raise();
    activateWindow();
}

} // namespace ql
