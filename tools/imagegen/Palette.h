// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

namespace ql::imagegen {

// The display window of both backgrounds and every face image share this colour, so an
// opaque face image drawn over the window leaves no visible seam.
inline const QColor kFace(165, 173, 156);
inline const QColor kInk(49, 49, 49);
// Unlit segments: just visible on the glass, as on a real liquid-crystal panel.
inline const QColor kGhost(155, 163, 146);

} // namespace ql::imagegen
