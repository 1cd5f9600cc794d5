#include "display/TrayIconPainter.h"

#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace ql::TrayIconPainter {
namespace {

constexpr QPoint kCentre{8, 8};

// Angle 0 points at 12 o'clock and grows clockwise (screen y grows downwards).
QPoint handEnd(double angle, int length) {
    return {kCentre.x() + static_cast<int>(std::nearbyint(length * std::cos(angle))),
            kCentre.y() + static_cast<int>(std::nearbyint(length * std::sin(angle)))};
}

} // namespace

QPoint hourHandEnd(int hour, int minute) {
    const double a = 3 * std::numbers::pi / 2 + 2 * std::numbers::pi * (hour + minute / 60.0) / 12;
    return handEnd(a, 5);
}

QPoint minuteHandEnd(int minute) {
    const double a = 3 * std::numbers::pi / 2 + 2 * std::numbers::pi * minute / 60;
    return handEnd(a, 7);
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
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (icon.pixel(x, y) == kKeyColour) icon.setPixel(x, y, 0);
    return icon;
}

} // namespace ql::TrayIconPainter
