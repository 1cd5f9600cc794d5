// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

namespace ql::AppIcon {

// The application icon with every size the program carries (16 to 128 px), each drawn at that
// size, so a window manager or panel picks a sharp one instead of scaling.
QIcon icon();
// The one drawn at exactly this size; empty when the program carries no such size.
QPixmap pixmap(int size);

} // namespace ql::AppIcon
