#pragma once

#include "display/ImageList.h"
#include "display/WaveList.h"

#include <QImage>

namespace ql {

// The clock's read-only data: the face image lists and the alarm sounds, loaded once when the
// data module is created. Needs a QGuiApplication.
class TClockData {
  public:
    TClockData();

    ImageList HrMinList; // hour and minute digits 0-9, blank at 10
    ImageList SecList;   // second digits 0-9, blank at 10
    ImageList MSList;    // small digits 0-9, blank at 10
    ImageList MiscList;  // weekdays, marks, indicators, colons, blanks, backgrounds
    // Yipe, Lazer, Whistle, Fanfare: the alarm sounds 1 to 4, played from memory.
    WaveList AlarmSoundList;

    // The 16 x 16 analog face without hands; transparent corners. Null if the resource is
    // missing.
    static QImage clockFaceIcon();
};

} // namespace ql
