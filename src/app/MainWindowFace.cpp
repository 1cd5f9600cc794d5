// SPDX-License-Identifier: GPL-3.0-or-later
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
    faceView_->setImages(data);
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
    faceView_->UpdateHours(hour_, faceOptions());
    showFaceText();
}

void MainWindow::UpdateMinutes() {
    faceView_->UpdateMinutes(minute_);
    showFaceText();
}

void MainWindow::UpdateSeconds() {
    faceView_->UpdateSeconds(second_);
}

void MainWindow::UpdateDate() {
    faceView_->UpdateDate(day_, dayOfWeek_);
    showFaceText();
}

void MainWindow::UpdateMiniTime() {
    faceView_->UpdateMiniTime(hour_, minute_, cfg().F24HourFormat);
    showFaceText();
}

// A screen reader hears of a change only when the text differs: once a minute, not each second.
void MainWindow::showFaceText() {
    const QString time =
        FaceText::time(hour_, minute_, day_, dayOfWeek_, cfg().F24HourFormat, cfg().FSmallMode);
    if (faceView_->accessibleName() != time) faceView_->setAccessibleName(time);
    const QString lit = FaceText::indicators(cfg().FAlarmOn, cfg().FAnnounceOn);
    if (faceView_->accessibleDescription() != lit) faceView_->setAccessibleDescription(lit);
}

void MainWindow::BlinkMiniColon() {
    faceView_->BlinkMiniColon();
}

} // namespace ql
