// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIcon.h"

#include "ClockFaceIcon.h"

#include <QPainter>
#include <QRectF>
#include <QRegularExpression>
#include <cmath>
#include <numbers>

namespace ql::imagegen::AppIcon {
namespace {

// The drawing on the tray's 16-unit grid.
constexpr double kCentre = 8.0;
const QColor kMarkColour(0, 64, 224);
const QRect kMarks[] = {{7, 2, 2, 2}, {12, 7, 2, 2}, {7, 12, 2, 2}, {2, 7, 2, 2}};
const QRect kHub{7, 7, 2, 2};

struct Hand {
    double degrees; // clockwise from 12
    double length;
};
// Ten past ten: the hour hand a sixth of the way from 10 to 11.
const Hand kHands[] = {{(10 + 10 / 60.0) * 30, 4.5}, {10 * 6, 6.5}};

QPointF handEnd(const Hand& h) {
    const double a = h.degrees * std::numbers::pi / 180;
    return {kCentre + h.length * std::sin(a), kCentre - h.length * std::cos(a)};
}

QString number(double v) {
    return QString::number(v, 'f', 3).remove(QRegularExpression("\\.?0+$"));
}

QString rect(const QRect& r) {
    return QStringLiteral("<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\"/>")
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// A grid rectangle scaled to the bitmap and snapped to whole pixels.
QRect snapped(const QRect& r, double k) {
    const int x0 = int(std::lround(r.left() * k)), y0 = int(std::lround(r.top() * k));
    const int x1 = int(std::lround((r.left() + r.width()) * k));
    const int y1 = int(std::lround((r.top() + r.height()) * k));
    return {x0, y0, std::max(1, x1 - x0), std::max(1, y1 - y0)};
}

QImage pixelIcon() {
    QImage icon = clockFaceIcon();
    QPainter p(&icon);
    p.setPen(Qt::black);
    // The tray's hand ends for 10:10, on its pixel grid.
    p.drawLine(8, 8, 14, 4);
    p.drawLine(8, 8, 4, 5);
    p.fillRect(7, 7, 2, 2, Qt::black);
    return icon;
}

QImage vectorIcon(int size) {
    const double k = size / 16.0;
    const double line = std::max(1.0, k);
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, line));
    p.setBrush(Qt::white);
    const double r = size / 2.0 - line / 2;
    p.drawEllipse(QPointF(size / 2.0, size / 2.0), r, r);
    for (const QRect& m : kMarks)
        p.fillRect(snapped(m, k), kMarkColour);
    p.setPen(QPen(Qt::black, line, Qt::SolidLine, Qt::RoundCap));
    for (const Hand& h : kHands)
        p.drawLine(QPointF(kCentre, kCentre) * k, handEnd(h) * k);
    p.fillRect(snapped(kHub, k), Qt::black);
    return icon;
}

} // namespace

QString svg() {
    QString marks, hands;
    for (const QRect& m : kMarks)
        marks += "    " + rect(m) + "\n";
    for (const Hand& h : kHands) {
        const QPointF e = handEnd(h);
        hands += QStringLiteral("    <line x1=\"8\" y1=\"8\" x2=\"%1\" y2=\"%2\"/>\n")
                     .arg(number(e.x()), number(e.y()));
    }
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
           "viewBox=\"0 0 16 16\">\n"
           "  <title>Quorlan Lite</title>\n"
           "  <circle cx=\"8\" cy=\"8\" r=\"7.5\" fill=\"#ffffff\" stroke=\"#000000\" "
           "stroke-width=\"1\"/>\n"
           "  <g fill=\"#0040e0\" stroke=\"none\">\n" +
           marks +
           "  </g>\n"
           "  <g stroke=\"#000000\" stroke-width=\"1\" stroke-linecap=\"round\">\n" +
           hands + "  </g>\n  <g fill=\"#000000\" stroke=\"none\">\n    " + rect(kHub) +
           "\n  </g>\n</svg>\n";
}

QImage image(int size) {
    return size == 16 ? pixelIcon() : vectorIcon(size);
}

} // namespace ql::imagegen::AppIcon
