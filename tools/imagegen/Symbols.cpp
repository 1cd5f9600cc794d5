// SPDX-License-Identifier: GPL-3.0-or-later
#include "Symbols.h"

#include "Canvas.h"
#include "Palette.h"
#include "PixelFont.h"
#include "SegmentDigit.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace ql::imagegen {

namespace {

QImage faceImage(QSize size) {
    return canvas(size, kFace);
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

// The indicators are set pixel by pixel, like the labels beside them, to stay crisp.
QImage loudspeaker() {
    QImage image = faceImage({13, 15});
    drawPixelArt(image, 0, 0,
                 {".............", "......#......", ".....##...#..", "....###....#.",
                  "...####..#..#", "#######...#.#", "#######...#.#", "#######...#.#",
                  "#######...#.#", "#######...#.#", "...####..#..#", "....###....#.",
                  ".....##...#..", "......#......", "............."});
    return image;
}

// A dot between vibration arcs, as a ringing alarm is usually drawn.
QImage alarmIndicator() {
    QImage image = faceImage({28, 9});
    drawPixelArt(image, 0, 0,
                 {".....##..............##.....", "....##................##....",
                  "...##....##..##..##....##...", "...##...##..####..##...##...",
                  "...##...##..####..##...##...", "...##...##..####..##...##...",
                  "...##....##..##..##....##...", "....##................##....",
                  ".....##..............##....."});
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
    slantedSquare(painter, style, QRectF(3.5, 8, 4, 4));
    slantedSquare(painter, style, QRectF(3.5, 21, 4, 4));
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
    QImage image = faceImage({7, 19});
    if (letter == QLatin1Char('A'))
        drawPixelArt(image, 0, 2,
                     {".####.", "##..##", "##..##", "######", "##..##", "##..##", "##..##"});
    else
        drawPixelArt(image, 0, 12,
                     {"#####.", "##..##", "##..##", "#####.", "##....", "##....", "##...."});
    return image;
}

} // namespace ql::imagegen
