// SPDX-License-Identifier: GPL-3.0-or-later
#include "Canvas.h"

#include <cmath>

namespace ql::imagegen {
namespace {
double gScale = 1.0;
}

void setRenderScale(double scale) {
    gScale = scale;
}

double renderScale() {
    return gScale;
}

QImage canvas(QSize logical, const QColor& fill) {
    QImage image(int(std::lround(logical.width() * gScale)),
                 int(std::lround(logical.height() * gScale)), QImage::Format_RGB32);
    image.setDevicePixelRatio(gScale);
    image.fill(fill);
    return image;
}

} // namespace ql::imagegen
