#pragma once

#include <QImage>
#include <QRectF>

namespace ql::imagegen {

// Shape of a slanted seven-segment figure inside its cell. The box is the upright outline;
// the slant shears it about the box's vertical centre.
struct DigitStyle {
    QRectF box;
    double stroke;
    double gap;
    double slant; // horizontal shift per pixel of height
};

DigitStyle hourMinuteStyle();
DigitStyle secondStyle();
DigitStyle smallStyle();

// A digit 0-9 in ink on an opaque face-coloured cell, its unlit segments faint; -1: all unlit.
QImage segmentDigit(QSize cell, const DigitStyle& style, int digit);

// Maps an upright point of the style to its slanted position, for marks that must lean with
// the digits (the colons).
QPointF slanted(const DigitStyle& style, QPointF p);

} // namespace ql::imagegen
