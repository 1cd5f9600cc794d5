// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

namespace ql {

// The notification-area icon at the sizes panels ask for beyond 16 pixels: the same face and
// hands as a vector drawing at each size, so no panel scales the 16-pixel bitmap up and blurs it.
namespace TrayIconDrawing {

inline constexpr int kSizes[] = {22, 24, 32, 48};

QImage paint(int size, int hour, int minute);
// The 16-pixel bitmap icon (face and hands) beside the drawn sizes.
QIcon icon(const QImage& bitmap16, int hour, int minute);

} // namespace TrayIconDrawing
} // namespace ql
