#include "app/MainForm.h"

#include "face/ClockData.h"
#include "face/FaceView.h"

namespace ql {

// The face operations of the window hand the decoded time and the settings to the face view,
// which repaints only what they change.

FaceOptions TMainForm::faceOptions() const {
    return {cfg().F24HourFormat, cfg().FAlarmOn, cfg().FAnnounceOn};
}

void TMainForm::setClockData(ClockData* data) {
    BackPanel->setImages(data);
    if (data) FormPaint();
}

void TMainForm::FormPaint() {
    if (cfg().FSmallMode) {
        UpdateMiniTime();
        return;
    }
    UpdateHours();
    UpdateMinutes();
    UpdateSeconds();
    UpdateDate();
}

void TMainForm::UpdateHours() {
    BackPanel->UpdateHours(CurHour, faceOptions());
}

void TMainForm::UpdateMinutes() {
    BackPanel->UpdateMinutes(CurMin);
}

void TMainForm::UpdateSeconds() {
    BackPanel->UpdateSeconds(CurSec);
}

void TMainForm::UpdateDate() {
    BackPanel->UpdateDate(CurDay, CurDayOfWeek);
}

void TMainForm::UpdateMiniTime() {
    BackPanel->UpdateMiniTime(CurHour, CurMin, cfg().F24HourFormat);
}

void TMainForm::BlinkMiniColon() {
    BackPanel->BlinkMiniColon();
}

} // namespace ql
