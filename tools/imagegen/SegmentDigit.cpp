// SPDX-License-Identifier: GPL-3.0-or-later
#include "SegmentDigit.h"

#include "Canvas.h"
#include "Palette.h"

#include <QPainter>
#include <QPolygonF>
#include <array>

namespace ql::imagegen {

namespace {

constexpr std::array<unsigned, 10> kSegments = {
    0b0111111, 0b0000110, 0b1011011, 0b1001111, 0b1100110,
    0b1101101, 0b1111101, 0b0000111, 0b1111111, 0b1101111,
};

// A segment along the centre line p..q, shortened by the gap at both ends, with mitred tips.
QPolygonF segment(QPointF p, QPointF q, double stroke, double gap) {
    const double h = stroke / 2;
    if (p.y() == q.y()) {
        const double a = p.x() + gap, b = q.x() - gap, y = p.y();
        return QPolygonF(
            {{a, y}, {a + h, y - h}, {b - h, y - h}, {b, y}, {b - h, y + h}, {a + h, y + h}});
    }
    const double a = p.y() + gap, b = q.y() - gap, x = p.x();
    return QPolygonF(
        {{x, a}, {x + h, a + h}, {x + h, b - h}, {x, b}, {x - h, b - h}, {x - h, a + h}});
}

std::array<QPolygonF, 7> segments(const DigitStyle& s) {
    const double h = s.stroke / 2;
    const double l = s.box.left() + h, r = s.box.right() - h;
    const double t = s.box.top() + h, b = s.box.bottom() - h, m = s.box.center().y();
    const double w = s.stroke, g = s.gap;
    return {segment({l, t}, {r, t}, w, g), segment({r, t}, {r, m}, w, g),
            segment({r, m}, {r, b}, w, g), segment({l, b}, {r, b}, w, g),
            segment({l, m}, {l, b}, w, g), segment({l, t}, {l, m}, w, g),
            segment({l, m}, {r, m}, w, g)};
}

} // namespace

DigitStyle hourMinuteStyle() {
    // The figure 1 must stay within columns 21-27: the AM/PM marks share the left part.
    return {QRectF(QPointF(8.5, 3), QPointF(26.5, 44)), 4.0, 0.8, 0.075};
}

DigitStyle secondStyle() {
    // Bottom edge level with the hour and minute figures on the face.
    return {QRectF(QPointF(5, 2), QPointF(17.5, 30)), 3.0, 0.6, 0.075};
}

DigitStyle smallStyle() {
    return {QRectF(QPointF(2.5, 1.5), QPointF(11.5, 19.5)), 2.4, 0.5, 0.075};
}

unsigned digitSegments(int digit) {
    return kSegments.at(std::size_t(digit));
}

QPointF slanted(const DigitStyle& style, QPointF p) {
    return {p.x() + style.slant * (style.box.center().y() - p.y()), p.y()};
}

QImage segmentDigit(QSize cell, const DigitStyle& style, unsigned lit, unsigned unlit) {
    QImage image = canvas(cell, kFace);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const auto all = segments(style);
    for (int i = 0; i < 7; ++i) {
        if (!((lit | unlit) & (1u << i))) continue;
        QPolygonF poly;
        for (const QPointF& p : all[i])
            poly << slanted(style, p);
        painter.setBrush(lit & (1u << i) ? kInk : kGhost);
        painter.drawPolygon(poly);
    }
    return image;
}

} // namespace ql::imagegen
