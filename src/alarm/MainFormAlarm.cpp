#include "app/MainForm.h"

#include "common/Modal.h"

namespace ql {

void TMainForm::Alarm() {
    FAlarmShowing = true;
    showMessage(nullptr, MessageKind::Plain, "Alarm!", "Press OK to confirm the alarm.");
    FAlarmShowing = false;
    FAlarmDone = true;
}

} // namespace ql
