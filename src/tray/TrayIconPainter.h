// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>

namespace ql {

// The notification-area icon: a 16 x 16 analog clock whose hands are drawn over the face.
namespace TrayIconPainter {

inline constexpr QRgb kKeyColour = 0xFF008000; // turned transparent after drawing
inline constexpr QPoint kCentre{8, 8};

QPoint hourHandEnd(int hour, int minute);
QPoint minuteHandEnd(int minute);
// A 1-pixel line that stops one pixel short of its end point.
void drawLineExcludingEnd(QImage& image, QPoint from, QPoint to, QRgb colour);
// The face laid over the key colour, both hands, then every key-colour pixel made transparent.
QImage paint(const QImage& face, int hour, int minute);

} // namespace TrayIconPainter
} // namespace ql
