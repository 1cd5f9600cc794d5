#include "app/MainWindow.h"

#include "face/ClockData.h"
#include "face/FaceView.h"

namespace ql {

// The face operations of the window hand the decoded time and the settings to the face view,
// which repaints only what they change.

FaceOptions MainWindow::faceOptions() const {
    return {cfg().F24HourFormat, cfg().FAlarmOn, cfg().FAnnounceOn};
}

void MainWindow::setClockData(ClockData* data) {
    BackPanel->setImages(data);
    if (data) FormPaint();
}

void MainWindow::FormPaint() {
    if (cfg().FSmallMode) {
        UpdateMiniTime();
        return;
    }
    UpdateHours();
    UpdateMinutes();
    UpdateSeconds();
    UpdateDate();
}

void MainWindow::UpdateHours() {
    BackPanel->UpdateHours(CurHour, faceOptions());
}

void MainWindow::UpdateMinutes() {
    BackPanel->UpdateMinutes(CurMin);
}

void MainWindow::UpdateSeconds() {
    BackPanel->UpdateSeconds(CurSec);
}

void MainWindow::UpdateDate() {
    BackPanel->UpdateDate(CurDay, CurDayOfWeek);
}

void MainWindow::UpdateMiniTime() {
    BackPanel->UpdateMiniTime(CurHour, CurMin, cfg().F24HourFormat);
}

void MainWindow::BlinkMiniColon() {
    BackPanel->BlinkMiniColon();
}

} // namespace ql
