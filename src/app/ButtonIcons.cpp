// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ButtonIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace ql::ButtonIcons {
namespace {

const QColor ink(46, 50, 54);
const QColor highlight(255, 255, 255, 150);

// A shape drawn once in a light tone one pixel lower, then in dark ink: pressed into metal.
QIcon engraved(QSize size, const std::function<void(QPainter&, const QColor&)>& shape) {
    QIcon icon;
    for (int scale : {1, 2}) {
        QPixmap pixmap(size * scale);
        pixmap.setDevicePixelRatio(scale);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.save();
        p.translate(0, 1);
        shape(p, highlight);
        p.restore();
        shape(p, ink);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen pen(const QColor& c, qreal width) {
    return QPen(c, width, Qt::SolidLine, Qt::RoundCap);
}

void drawAlarmClock(QPainter& p, const QColor& c) {
    p.setPen(pen(c, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(8, 8.5), 5, 5);
    p.drawLine(QPointF(8, 8.5), QPointF(8, 5.5));
    p.drawLine(QPointF(8, 8.5), QPointF(10.5, 8.5));
    p.drawLine(QPointF(4.5, 12.5), QPointF(3, 14.5));
    p.drawLine(QPointF(11.5, 12.5), QPointF(13, 14.5));
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPie(QRectF(0.5, 0.5, 6, 6), 45 * 16, 180 * 16);  // left bell
    p.drawPie(QRectF(9.5, 0.5, 6, 6), -45 * 16, 180 * 16); // right bell
}

void drawGear(QPainter& p, const QColor& c) {
    QPainterPath body;
    body.addEllipse(QPointF(8, 8), 4.8, 4.8);
    for (int i = 0; i < 8; ++i) {
        QTransform t;
        t.translate(8, 8);
        t.rotate(i * 45.0);
        QPainterPath tooth;
        tooth.addRect(QRectF(-1.3, -7, 2.6, 3));
        body = body.united(t.map(tooth));
    }
    QPainterPath hole;
    hole.addEllipse(QPointF(8, 8), 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPath(body.subtracted(hole));
}

void drawList(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    for (int row = 0; row < 3; ++row) {
        const qreal y = 3 + row * 4.5;
        p.drawRect(QRectF(1.5, y, 2.5, 2.5));
        p.drawRect(QRectF(5.5, y + 0.5, 9, 1.6));
    }
}

void drawQuestion(QPainter& p, const QColor& c) {
    QPainterPath hook;
    hook.moveTo(4.8, 5.5);
    hook.arcTo(QRectF(4.8, 1.5, 6.4, 6.4), 180, -250);
    hook.quadTo(8, 8.5, 8, 10.5);
    p.setPen(pen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(hook);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawEllipse(QPointF(8, 13.8), 1.3, 1.3);
}

void drawLoudspeaker(QPainter& p, const QColor& c) {
    const QPointF cone[] = {{6, 6}, {9, 6}, {13, 2.5}, {13, 13.5}, {9, 10}, {6, 10}};
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(cone, 6);
    p.setPen(pen(c, 1.4));
    p.setBrush(Qt::NoBrush);
    for (qreal r : {3.5, 6.5, 9.5})
        p.drawArc(QRectF(13 - r, 8 - r, 2 * r, 2 * r), -45 * 16, 90 * 16);
}

void drawDownArrow(QPainter& p, const QColor& c) {
    const QPointF arrow[] = {{4.5, 6.5}, {11.5, 6.5}, {8, 10.5}};
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(arrow, 3);
}

void drawUnderscore(QPainter& p, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawRect(QRectF(1.5, 5, 7, 2));
}

} // namespace

QIcon alarmClock() {
    return engraved({16, 16}, drawAlarmClock);
}
QIcon gear() {
    return engraved({16, 16}, drawGear);
}
QIcon list() {
    return engraved({16, 16}, drawList);
}
QIcon question() {
    return engraved({16, 16}, drawQuestion);
}
QIcon loudspeaker() {
    return engraved({28, 16}, drawLoudspeaker);
}
QIcon downArrow() {
    return engraved({16, 16}, drawDownArrow);
}
QIcon underscore() {
    return engraved({10, 8}, drawUnderscore);
}

} // namespace ql::ButtonIcons
