// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/TrayIconDrawing.h"

#include <QPainter>
#include <QPixmap>

#include <cmath>
#include <numbers>

namespace ql::TrayIconDrawing {
namespace {

// The face on the 16-pixel icon's grid: hour marks 5 units from the centre, hands 4.5 and 6.5
// units long (the bitmap's lines stop a pixel short of 5 and 7).
constexpr double kMarkDistance = 5.0;
constexpr double kHourHand = 4.5;
constexpr double kMinuteHand = 6.5;
const QColor kMarkColour(0, 64, 224);

// A square of an even number of pixels centred on a whole pixel corner stays sharp.
QRect square(QPoint centre, int side) {
    return {centre.x() - side / 2, centre.y() - side / 2, side, side};
}

QPointF handEnd(double turns, double length, double centre) {
    const double a = 2 * std::numbers::pi * turns;
    return {centre + length * std::sin(a), centre - length * std::cos(a)};
}

void drawFace(QPainter& p, int size, double k, int line) {
    p.setPen(QPen(Qt::black, line));
    p.setBrush(Qt::white);
    const double r = size / 2.0 - line / 2.0;
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), r, r);
    const int c = size / 2, d = static_cast<int>(std::lround(kMarkDistance * k));
    const int side = 2 * static_cast<int>(k);
    for (const QPoint at : {QPoint(c, c - d), QPoint(c + d, c), QPoint(c, c + d), QPoint(c - d, c)})
        p.fillRect(square(at, side), kMarkColour);
}

} // namespace

QImage paint(int size, int hour, int minute) {
    const double k = size / 16.0;
    const int line = std::max(1, static_cast<int>(std::lround(k)));
    // Premultiplied: on plain ARGB32 the raster engine hands an antialiased ellipse's spans to
    // worker threads, and two threads started at every minute's redraw.
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    {
        QPainter p(&icon);
        p.setRenderHint(QPainter::Antialiasing);
        drawFace(p, size, k, line);
        const double c = size / 2.0;
        p.setPen(QPen(Qt::black, line, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c, c), handEnd((hour % 12 + minute / 60.0) / 12, kHourHand * k, c));
        p.drawLine(QPointF(c, c), handEnd(minute / 60.0, kMinuteHand * k, c));
        p.fillRect(square(QPoint(size / 2, size / 2), 2 * static_cast<int>(k)), Qt::black);
    }
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QIcon icon(const QImage& bitmap16, int hour, int minute) {
    QIcon icon(QPixmap::fromImage(bitmap16));
    for (const int size : kSizes)
        icon.addPixmap(QPixmap::fromImage(paint(size, hour, minute)));
    return icon;
}

} // namespace ql::TrayIconDrawing
