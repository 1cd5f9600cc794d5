// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/RoundRectRegion.h"

#include <QRect>
#include <algorithm>
#include <cmath>

namespace ql {
namespace {

// Columns cut from each end of row y (0 = outermost row of a corner band).
int cornerInset(int y, double rx, double ry) {
    const double dy = (ry - (y + 0.5)) / ry;
    const double half = rx * std::sqrt(std::max(0.0, 1.0 - dy * dy));
    return int(std::ceil(rx - half - 0.5));
}

} // namespace

QRegion roundRectRegion(int right, int bottom, int ellipseWidth, int ellipseHeight) {
    const double rx = std::max(ellipseWidth, 0) / 2.0;
    const double ry = std::max(ellipseHeight, 0) / 2.0;
    const int band = std::min(int(std::ceil(ry)), bottom / 2);
    QRegion region(0, band, right, bottom - 2 * band);
    for (int y = 0; y < band; ++y) {
        const int inset = std::clamp(cornerInset(y, rx, ry), 0, right / 2);
        region += QRect(inset, y, right - 2 * inset, 1);
        region += QRect(inset, bottom - 1 - y, right - 2 * inset, 1);
    }
    return region;
}

} // namespace ql
