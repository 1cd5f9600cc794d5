// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/TrayIconPainter.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace ql::TrayIconPainter {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;

// Angle 0 points at 12 o'clock and grows clockwise (screen y grows downwards). Which way the
// exact halves (30 degrees and its kin) round depends on the last bit of the angle: it is summed
// in extended precision and held as a double, and cos/sin run in extended precision again, which
// puts every half on the side the icon has always shown.
QPoint handEnd(long double turns, int length) {
    const double angle = static_cast<double>(3 * kPi / 2 + 2 * kPi * turns);
    const long double a = angle;
    return {kCentre.x() + static_cast<int>(std::nearbyint(length * std::cos(a))),
            kCentre.y() + static_cast<int>(std::nearbyint(length * std::sin(a)))};
}

} // namespace

// Taken modulo 12 so that an afternoon hour draws exactly the same pixels as its morning twin.
QPoint hourHandEnd(int hour, int minute) {
    return handEnd((hour % 12 + minute / 60.0L) / 12, 5);
}

QPoint minuteHandEnd(int minute) {
    return handEnd(minute / 60.0L, 7);
}

void drawLineExcludingEnd(QImage& image, QPoint from, QPoint to, QRgb colour) {
    int x = from.x(), y = from.y();
    const int dx = std::abs(to.x() - x), dy = -std::abs(to.y() - y);
    const int sx = x < to.x() ? 1 : -1, sy = y < to.y() ? 1 : -1;
    int err = dx + dy;
    while (x != to.x() || y != to.y()) {
        if (image.rect().contains(x, y)) image.setPixel(x, y, colour);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

QImage paint(const QImage& face, int hour, int minute) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(kKeyColour);
    {
        QPainter p(&icon);
        p.drawImage(0, 0, face);
    }
    drawLineExcludingEnd(icon, kCentre, hourHandEnd(hour, minute), 0xFF000000);
    drawLineExcludingEnd(icon, kCentre, minuteHandEnd(minute), 0xFF000000);
    for (int y = 0; y < 16; ++y) {
        auto* line = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < 16; ++x)
            if (line[x] == kKeyColour) line[x] = 0;
    }
    return icon;
}

} // namespace ql::TrayIconPainter
