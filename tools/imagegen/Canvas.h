// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>

namespace ql::imagegen {

// Every face image is drawn in logical pixels onto a canvas of the density being rendered:
// 1 for plain desktops, 1.5 and 2 for scaled ones, so a scaled face is drawn, not enlarged.
void setRenderScale(double scale);
double renderScale();
QImage canvas(QSize logical, const QColor& fill);

} // namespace ql::imagegen
