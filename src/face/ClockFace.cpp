// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/ClockFace.h"

#include "face/FaceText.h"
#include "face/FaceView.h"
#include "settings/Settings.h"

namespace ql {

ClockFace::ClockFace(const Settings& settings, FaceView& view) : settings_(settings), view_(view) {
    connect(&view_, &FaceView::shown, this, &ClockFace::FormPaint);
}

FaceOptions ClockFace::options() const {
    const SettingsRecord& s = settings_.values();
    return {s.F24HourFormat, s.FAlarmOn, s.FAnnounceOn};
}

bool ClockFace::small() const {
    return settings_.values().FSmallMode;
}

void ClockFace::setImages(const ClockData* images) {
    view_.setImages(images);
    if (images) FormPaint();
}

void ClockFace::start() {
    FormPaint();
    // After the window's own observers, so the face paints the layout the window settled on.
    connect(&settings_, &Settings::changed, this, &ClockFace::FormPaint);
}

void ClockFace::setTime(const LocalTime& t) {
    time_ = t;
}

void ClockFace::secondChanged() {
    if (small())
        view_.BlinkMiniColon();
    else
        UpdateSeconds();
}

void ClockFace::minuteChanged() {
    if (small())
        UpdateMiniTime();
    else
        UpdateMinutes();
}

void ClockFace::hourChanged() {
    if (small())
        UpdateMiniTime();
    else
        UpdateHours();
}

void ClockFace::dayChanged() {
    if (!small()) UpdateDate();
}

void ClockFace::FormPaint() {
    if (small()) {
        UpdateMiniTime();
        return;
    }
    UpdateHours();
    UpdateMinutes();
    UpdateSeconds();
    UpdateDate();
}

void ClockFace::UpdateHours() {
    view_.UpdateHours(time_.hour, options());
    showFaceText();
}

void ClockFace::UpdateMinutes() {
    view_.UpdateMinutes(time_.minute);
    showFaceText();
}

void ClockFace::UpdateSeconds() {
    view_.UpdateSeconds(time_.second);
}

void ClockFace::UpdateDate() {
    view_.UpdateDate(time_.day, time_.dayOfWeek);
    showFaceText();
}

void ClockFace::UpdateMiniTime() {
    view_.UpdateMiniTime(time_.hour, time_.minute, settings_.values().F24HourFormat);
    showFaceText();
}

// A screen reader hears of a change only when the text differs: once a minute, not each second.
void ClockFace::showFaceText() {
    const SettingsRecord& s = settings_.values();
    const QString time = FaceText::time(time_.hour, time_.minute, time_.day, time_.dayOfWeek,
                                        s.F24HourFormat, s.FSmallMode);
    if (view_.accessibleName() != time) view_.setAccessibleName(time);
    const QString lit = FaceText::indicators(s.FAlarmOn, s.FAnnounceOn);
    if (view_.accessibleDescription() != lit) view_.setAccessibleDescription(lit);
}

} // namespace ql
