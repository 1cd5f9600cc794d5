// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/FormPlacement.h"

namespace ql {

QFont alarmFormFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

} // namespace ql
