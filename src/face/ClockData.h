// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/ImageList.h"

#include <QImage>

namespace ql {

// The clock's read-only data: the face image lists, loaded once when the
// data module is created. Needs a QGuiApplication.
class ClockData {
  public:
    ClockData();

    ImageList HrMinList; // hour and minute digits 0-9, blank at 10
    ImageList SecList;   // second digits 0-9, blank at 10
    ImageList MSList;    // small digits 0-9, blank at 10
    ImageList MiscList;  // weekdays, marks, indicators, colons, blanks, backgrounds

    // The 16 x 16 analog face without hands; transparent corners. Null if the resource is
    // missing.
    static QImage clockFaceIcon();
};

} // namespace ql
