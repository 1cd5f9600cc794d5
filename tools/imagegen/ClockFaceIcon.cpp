// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClockFaceIcon.h"

#include <QPainter>
#include <cmath>

namespace ql::imagegen {

namespace {

// The hands turn about the corner shared by pixels 7 and 8, so the face is centred there.
constexpr double kCentre = 8.0;
constexpr double kRadius = 8.0;

bool onFace(int x, int y) {
    return x >= 0 && y >= 0 && x < 16 && y < 16 &&
           std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre) < kRadius;
}

// The rim is the face's outermost pixels: those with a side neighbour off the face.
QColor pixelColour(int x, int y) {
    if (!onFace(x, y)) return Qt::transparent;
    const bool rim =
        !onFace(x - 1, y) || !onFace(x + 1, y) || !onFace(x, y - 1) || !onFace(x, y + 1);
    return rim ? Qt::black : Qt::white;
}

} // namespace

QImage clockFaceIcon() {
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            painter.fillRect(x, y, 1, 1, pixelColour(x, y));
    const QColor blue(0, 64, 224);
    painter.fillRect(7, 2, 2, 2, blue);  // 12
    painter.fillRect(12, 7, 2, 2, blue); // 3
    painter.fillRect(7, 12, 2, 2, blue); // 6
    painter.fillRect(2, 7, 2, 2, blue);  // 9
    painter.fillRect(7, 7, 2, 2, Qt::black);
    return image;
}

} // namespace ql::imagegen
