// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace ql::imagegen {

// 16 x 16 analog face without hands. Every pixel is either fully opaque or fully transparent:
// the tray code lays the face over a key colour and keys that colour out again, so a
// half-transparent edge would come out tinted.
QImage clockFaceIcon();

} // namespace ql::imagegen
