// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/FaceState.h"
#include "platform/LocalClock.h"

#include <QObject>

namespace ql {

class ClockData;
class FaceView;
class Settings;

// What the face shows: the time it is given at each tick and the settings it depicts (hour
// format, the alarm and announce lights, the small layout), handed to the view, which repaints
// only what they change, and told to a screen reader in words.
class ClockFace : public QObject {
    Q_OBJECT
  public:
    ClockFace(const Settings& settings, FaceView& view);

    void setImages(const ClockData* images);
    // The settings as read are shown; from here on every change of them is.
    void start();

    // ---- Clock tick: each step runs when its unit of the time changed
    void setTime(const LocalTime& t);
    void secondChanged();
    void minuteChanged();
    void hourChanged();
    void dayChanged();

    void FormPaint();

  private:
    FaceOptions options() const;
    bool small() const;
    void UpdateHours();
    void UpdateMinutes();
    void UpdateSeconds();
    void UpdateDate();
    void UpdateMiniTime();
    void showFaceText();

    const Settings& settings_;
    FaceView& view_;
    LocalTime time_;
};

} // namespace ql
