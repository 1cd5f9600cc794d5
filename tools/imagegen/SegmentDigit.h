// SPDX-License-Identifier: GPL-3.0-or-later
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

// Segment bits: a top, b upper right, c lower right, d bottom, e lower left, f upper left,
// g middle.
inline constexpr unsigned kAllSegments = 0b1111111;
inline constexpr unsigned kRightBars = 0b0000110;
unsigned digitSegments(int digit);

// The lit segments in ink and the unlit ones faint, on an opaque face-coloured cell.
QImage segmentDigit(QSize cell, const DigitStyle& style, unsigned lit, unsigned unlit);

// Maps an upright point of the style to its slanted position, for marks that must lean with
// the digits (the colons).
QPointF slanted(const DigitStyle& style, QPointF p);

} // namespace ql::imagegen
