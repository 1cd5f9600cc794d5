#include "Backgrounds.h"

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

// The display window sits in a dark bezel pressed into the case: a light lip below and right,
// a darker edge above and left, and a ring shaded from top to bottom.
void bezel(QPainter& painter, QRectF outer, double radius) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 251, 252, 150));
    painter.drawRoundedRect(outer.adjusted(0, 0, 1, 1), radius, radius);
    painter.setBrush(QColor(70, 72, 76));
    painter.drawRoundedRect(outer.adjusted(-0.5, -0.5, 0, 0), radius, radius);
    QLinearGradient ring(outer.topLeft(), outer.bottomLeft());
    ring.setColorAt(0, QColor(34, 36, 39));
    ring.setColorAt(1, QColor(52, 55, 59));
    painter.setBrush(ring);
    painter.drawRoundedRect(outer, radius - 1, radius - 1);
}

// The flat face colour the images share, with a faint inner shadow along the top and left
// edges, which stay clear of every paint box.
void displayWindow(QPainter& painter, QRect window, int bezelWidth, double radius) {
    const QRectF face(window);
    bezel(painter, face.adjusted(-bezelWidth, -bezelWidth, bezelWidth, bezelWidth),
          radius + bezelWidth);
    QPainterPath path;
    path.addRoundedRect(face, radius, radius);
    painter.fillPath(path, kFace);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(kFace.darker(112));
    painter.drawLine(window.left() + 2, window.top(), window.right() - 2, window.top());
    painter.drawLine(window.left(), window.top() + 2, window.left(), window.bottom() - 2);
}

// A grille of small punched holes, each with a light lower rim.
void grille(QPainter& painter, QPointF origin, int cols, int rows, double pitch, double hole) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const QPointF centre = origin + QPointF(c * pitch, r * pitch);
            painter.setBrush(QColor(255, 255, 255, 170));
            painter.drawEllipse(centre + QPointF(0, 0.6), hole / 2, hole / 2);
            painter.setBrush(QColor(40, 42, 45));
            painter.drawEllipse(centre, hole / 2, hole / 2);
        }
}

// A fine engraved outline: a shadow line with a light line just below and right of it.
void engrave(QPainter& painter, QRectF r, double radius) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 190), 1));
    painter.drawRoundedRect(r.translated(1, 1), radius, radius);
    painter.setPen(QPen(QColor(110, 113, 118, 200), 1));
    painter.drawRoundedRect(r, radius, radius);
}

QImage metalCase(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    brushedMetal(image);
    return image;
}

} // namespace

QImage bigBackground() {
    QImage image = metalCase({292, 130});
    QPainter painter(&image);
    displayWindow(painter, QRect(10, 11, 191, 86), 4, 2.5);
    engrave(painter, QRectF(213.5, 17.5, 68, 74), 5);
    grille(painter, QPointF(222.5, 24.5), 6, 7, 10, 4.2);
    caseEdge(painter, image.size());
    return image;
}

QImage smallBackground() {
    QImage image = metalCase({150, 40});
    QPainter painter(&image);
    displayWindow(painter, QRect(7, 8, 89, 24), 3, 2);
    grille(painter, QPointF(134.5, 22.5), 3, 2, 5, 2.6);
    caseEdge(painter, image.size());
    return image;
}

} // namespace ql::imagegen
