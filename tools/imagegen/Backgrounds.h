// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace ql::imagegen {

QImage bigBackground();   // 292 x 130
QImage smallBackground(); // 150 x 40

} // namespace ql::imagegen
