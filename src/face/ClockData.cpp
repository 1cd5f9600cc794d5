// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/ClockData.h"

#include "face/ImageResources.h"

namespace ql {

ClockData::ClockData()
    : HrMinList(QStringLiteral("HrMinList"), 11), SecList(QStringLiteral("SecList"), 11),
      MSList(QStringLiteral("MSList"), 11), MiscList(QStringLiteral("MiscList"), 22) {}

QImage ClockData::clockFaceIcon() {
    ensureImageResources();
    return QImage(QStringLiteral(":/images/ClockFace.png")).convertToFormat(QImage::Format_ARGB32);
}

} // namespace ql
