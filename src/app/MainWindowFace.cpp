#include "app/MainWindow.h"

#include "face/ClockData.h"
#include "face/FaceText.h"
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
    showFaceText();
}

void MainWindow::UpdateMinutes() {
    BackPanel->UpdateMinutes(CurMin);
    showFaceText();
}

void MainWindow::UpdateSeconds() {
    BackPanel->UpdateSeconds(CurSec);
}

void MainWindow::UpdateDate() {
    BackPanel->UpdateDate(CurDay, CurDayOfWeek);
    showFaceText();
}

void MainWindow::UpdateMiniTime() {
    BackPanel->UpdateMiniTime(CurHour, CurMin, cfg().F24HourFormat);
    showFaceText();
}

// A screen reader hears of a change only when the text differs: once a minute, not each second.
void MainWindow::showFaceText() {
    const QString time = FaceText::time(CurHour, CurMin, CurDay, CurDayOfWeek, cfg().F24HourFormat,
                                        cfg().FSmallMode);
    if (BackPanel->accessibleName() != time) BackPanel->setAccessibleName(time);
    const QString lit = FaceText::indicators(cfg().FAlarmOn, cfg().FAnnounceOn);
    if (BackPanel->accessibleDescription() != lit) BackPanel->setAccessibleDescription(lit);
}

void MainWindow::BlinkMiniColon() {
    BackPanel->BlinkMiniColon();
}

} // namespace ql
