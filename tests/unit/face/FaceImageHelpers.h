// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/ClockData.h"

#include <QImage>
#include <QPainter>
#include <QRect>

namespace ql::testing {

inline const QRgb kFace = qRgb(165, 173, 156);

// One data module for the whole test run: loading decodes every image.
inline const ClockData& clockData() {
    static const ClockData instance;
    return instance;
}

// An item drawn through its list onto a red canvas of its own size.
inline QImage render(const ImageList& list, int index) {
    QImage image(list.size(index), QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter painter(&image);
    list.draw(painter, index, 0, 0);
    return image;
}

inline bool allPixels(const QImage& image, QRect area, QRgb colour) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != colour) return false;
    return true;
}

inline bool isInk(QRgb c) {
    return qGray(c) < 100;
}

inline int inkCount(const QImage& image, QRect area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += isInk(image.pixel(x, y));
    return n;
}

} // namespace ql::testing
