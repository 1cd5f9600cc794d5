#include "Symbols.h"

#include "Palette.h"
#include "PixelFont.h"
#include "SegmentDigit.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace ql::imagegen {

namespace {

QImage faceImage(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(kFace);
    return image;
}

// A parallelogram that leans with the digits of the given style.
void slantedSquare(QPainter& painter, const DigitStyle& style, QRectF r) {
    painter.drawPolygon(
        QPolygonF({slanted(style, r.topLeft()), slanted(style, r.topRight()),
                   slanted(style, r.bottomRight()), slanted(style, r.bottomLeft())}));
}

void inkPainter(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kInk);
}

} // namespace

QImage blank(QSize size) {
    return faceImage(size);
}

QImage label(QSize size, const QString& text, int spacing, int pitch) {
    QImage image = faceImage(size);
    const int width = PixelFont::textWidth(text, spacing);
    const int slot = pitch > 0 ? pitch : size.width();
    const int x = std::clamp((slot - width + 1) / 2, 0, std::max(0, size.width() - width));
    PixelFont::draw(image, x, (size.height() - PixelFont::kHeight + 1) / 2, text, spacing);
    return image;
}

QImage loudspeaker() {
    QImage image = faceImage({13, 15});
    QPainter painter(&image);
    inkPainter(painter);
    painter.drawRect(QRectF(0.5, 5, 3, 5));
    painter.drawPolygon(QPolygonF({{3.5, 5}, {7.5, 1.5}, {7.5, 13.5}, {3.5, 10}}));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawArc(QRectF(6.5, 5, 5, 5), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(5.5, 2.5, 7, 10), -55 * 16, 110 * 16);
    return image;
}

QImage alarmIndicator() {
    QImage image = faceImage({28, 9});
    QPainter painter(&image);
    inkPainter(painter);
    const QPointF centre(14, 4.5);
    painter.drawEllipse(centre, 2.5, 2.5);
    // Arcs on both sides, as a ringing bell's vibration is usually shown.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kInk, 1.5, Qt::SolidLine, Qt::FlatCap));
    for (double radius : {6.0, 10.0}) {
        const QRectF r(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
        const int span = radius < 8 ? 90 : 56;
        painter.drawArc(r, -span * 8, span * 16);
        painter.drawArc(r, 180 * 16 - span * 8, span * 16);
    }
    return image;
}

QImage bigColon() {
    QImage image = faceImage({13, 29});
    QPainter painter(&image);
    inkPainter(painter);
    // Rows here are 7 below the hour cells' rows; the dots straddle the digits' middle bar.
    // Only columns 0-8 are ever shown.
    DigitStyle style = hourMinuteStyle();
    style.box.translate(0, -7);
    slantedSquare(painter, style, QRectF(2.5, 8, 4, 4));
    slantedSquare(painter, style, QRectF(2.5, 21, 4, 4));
    return image;
}

QImage smallColon() {
    QImage image = faceImage({4, 21});
    QPainter painter(&image);
    inkPainter(painter);
    const DigitStyle style = smallStyle();
    slantedSquare(painter, style, QRectF(0.75, 5.75, 2.5, 2.5));
    slantedSquare(painter, style, QRectF(0.75, 12.75, 2.5, 2.5));
    return image;
}

QImage smallMark(QChar letter) {
    static const char* const kA[] = {".####.", "##..##", "##..##", "######",
                                     "##..##", "##..##", "##..##"};
    static const char* const kP[] = {"#####.", "##..##", "##..##", "#####.",
                                     "##....", "##....", "##...."};
    QImage image = faceImage({7, 19});
    const bool isA = letter == QLatin1Char('A');
    const char* const* rows = isA ? kA : kP;
    const int top = isA ? 2 : 11;
    QPainter painter(&image);
    for (int row = 0; row < 7; ++row)
        for (int col = 0; rows[row][col]; ++col)
            if (rows[row][col] == '#') painter.fillRect(col, top + row, 1, 1, kInk);
    return image;
}

} // namespace ql::imagegen
