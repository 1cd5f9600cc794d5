// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace ql::imagegen {

// The application icon: the tray's analog clock (white face, black rim, blue marks at 12, 3, 6
// and 9, black centre) with its hands at ten past ten. One drawing, written as SVG and drawn
// into each bitmap size at that size.
namespace AppIcon {

inline constexpr int kSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QString svg();
// 16 px is the tray's own pixel drawing; larger sizes are the vector drawing, snapped to whole
// pixels so the marks and the centre stay sharp.
QImage image(int size);

} // namespace AppIcon
} // namespace ql::imagegen
