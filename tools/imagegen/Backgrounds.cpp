// SPDX-License-Identifier: GPL-3.0-or-later
#include "Backgrounds.h"

#include "Canvas.h"
#include "Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>
#include <vector>

namespace ql::imagegen {

namespace {

// Brushed aluminium: a soft vertical gradient with faint streaks that run along x. A fixed
// seed keeps the committed images reproducible.
void brushedMetal(QImage& image) {
    QRandomGenerator rng(0x51a7u);
    const int w = image.width(), h = image.height();
    for (int y = 0; y < h; ++y) {
        const double base = 200 - 26.0 * y / (h - 1);
        const double rowTone = rng.bounded(5.0) - 2.5;
        std::vector<double> knots(w / 12 + 2);
        for (double& k : knots)
            k = rng.bounded(3.0) - 1.5;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double f = (x % 12) / 12.0;
            const double streak = knots[x / 12] * (1 - f) + knots[x / 12 + 1] * f;
            const int v = qBound(0, int(base + rowTone + streak + rng.bounded(1.6)), 255);
            line[x] = qRgb(v, v + 1, v + 3);
        }
    }
}

// Edge of the case: dark outline, light top-left and shaded bottom-right bevel. The window
// mask cuts only a pixel or two at the corners, so the outline stays square.
void caseEdge(QPainter& painter, QSize size) {
    const QRect r(QPoint(0, 0), size);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QColor(92, 95, 99));
    painter.drawRect(r.adjusted(0, 0, -1, -1));
    painter.setPen(QColor(236, 238, 240));
    painter.drawLine(1, 1, r.width() - 2, 1);
    painter.drawLine(1, 1, 1, r.height() - 2);
    painter.setPen(QColor(138, 141, 146));
    painter.drawLine(2, r.height() - 2, r.width() - 2, r.height() - 2);
    painter.drawLine(r.width() - 2, 2, r.width() - 2, r.height() - 2);
}

// The display window sits in a fine dark bezel pressed into the case: a light lip below and
// right where the case catches the light, and a thin ring shaded from top to bottom.
void bezel(QPainter& painter, QRectF outer, double radius) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(252, 253, 255, 170));
    painter.drawRoundedRect(outer.adjusted(0, 0, 1, 1), radius, radius);
    painter.setBrush(QColor(112, 116, 121));
    painter.drawRoundedRect(outer.adjusted(-0.6, -0.6, 0, 0), radius, radius);
    QLinearGradient ring(outer.topLeft(), outer.bottomLeft());
    ring.setColorAt(0, QColor(44, 47, 51));
    ring.setColorAt(1, QColor(78, 82, 87));
    painter.setBrush(ring);
    painter.drawRoundedRect(outer, radius, radius);
}

// The glass is one flat colour wherever a face image can lie (the images are opaque
// rectangles). Its depth goes in the margin around them: the bezel's shadow falls on the
// glass along the top and left edges, with the light from the top left, and the glass
// catches that light in a faint band just below the shadow, brightest at the left. The band
// ends on whole logical rows, so it stays off the images at every density.
void displayWindow(QPainter& painter, QRect window, int bezelWidth, QMargins shadow,
                   int glareRows) {
    const QRectF face(window);
    bezel(painter, face.adjusted(-bezelWidth, -bezelWidth, bezelWidth, bezelWidth),
          1.5 + bezelWidth);
    QPainterPath path;
    path.addRoundedRect(face, 1.5, 1.5);
    painter.fillPath(path, kFace);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < shadow.top(); ++i) {
        painter.setPen(QColor(40, 46, 36, 70 - 60 * i / shadow.top()));
        painter.drawLine(window.left() + 1, window.top() + i, window.right() - 1, window.top() + i);
    }
    for (int i = 0; i < shadow.left(); ++i) {
        painter.setPen(QColor(40, 46, 36, 60 - 52 * i / shadow.left()));
        painter.drawLine(window.left() + i, window.top() + shadow.top(), window.left() + i,
                         window.bottom() - 1);
    }
    const QRectF band(window.left() + shadow.left(), window.top() + shadow.top(),
                      window.width() - shadow.left() - 1, glareRows);
    QLinearGradient light(band.topLeft(), band.topRight());
    light.setColorAt(0, QColor(255, 255, 255, 46));
    light.setColorAt(1, QColor(255, 255, 255, 6));
    painter.fillRect(band, light);
}

// A machined speaker grille: each perforation has a chamfer, dark on its upper left and
// bright on its lower right, and inside, a wall in shadow above and lit below.
void grille(QPainter& painter, QPointF origin, int cols, int rows, double pitch, double hole) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double r = hole / 2;
    for (int row = 0; row < rows; ++row)
        for (int c = 0; c < cols; ++c) {
            const QPointF centre = origin + QPointF(c * pitch, row * pitch);
            QLinearGradient chamfer(centre - QPointF(r, r), centre + QPointF(r, r));
            chamfer.setColorAt(0, QColor(96, 100, 106));
            chamfer.setColorAt(0.5, QColor(176, 180, 186));
            chamfer.setColorAt(1, QColor(250, 251, 253));
            painter.setBrush(chamfer);
            painter.drawEllipse(centre, r + 0.9, r + 0.9);
            QLinearGradient wall(centre - QPointF(0, r), centre + QPointF(0, r));
            wall.setColorAt(0, QColor(18, 19, 21));
            wall.setColorAt(0.65, QColor(34, 36, 39));
            wall.setColorAt(1, QColor(92, 96, 101));
            painter.setBrush(wall);
            painter.drawEllipse(centre, r, r);
        }
}

// A recessed plate for the grille: a fine engraved outline, shadow above, light below.
void engrave(QPainter& painter, QRectF r, double radius) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 14));
    painter.drawRoundedRect(r, radius, radius);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1));
    painter.drawRoundedRect(r.translated(0.7, 0.7), radius, radius);
    painter.setPen(QPen(QColor(104, 108, 114, 210), 1));
    painter.drawRoundedRect(r, radius, radius);
}

QImage metalCase(QSize size) {
    QImage image = canvas(size, Qt::gray);
    brushedMetal(image);
    return image;
}

} // namespace

QImage bigBackground() {
    QImage image = metalCase({292, 130});
    QPainter painter(&image);
    // Every image of the big face lies in x 18-194, y 16-94.
    displayWindow(painter, QRect(10, 11, 191, 86), 2, QMargins(5, 3, 0, 0), 2);
    engrave(painter, QRectF(212.5, 16.5, 70, 76), 4);
    grille(painter, QPointF(222.5, 25.5), 6, 7, 10, 4.6);
    caseEdge(painter, QSize(292, 130));
    return image;
}

// The framed small window shows the top 32 rows, the frameless one all 40: the display and
// its bezel end by row 31, so both look whole.
QImage smallBackground() {
    QImage image = metalCase({150, 40});
    QPainter painter(&image);
    // The small time lies in x 9-88, y 10-30.
    displayWindow(painter, QRect(7, 9, 89, 22), 1, QMargins(2, 1, 0, 0), 0);
    grille(painter, QPointF(135, 22.5), 3, 2, 5.5, 2.8);
    caseEdge(painter, QSize(150, 40));
    return image;
}

} // namespace ql::imagegen
