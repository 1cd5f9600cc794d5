// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRegion>

namespace ql {

// The pixels of a rectangle from (0, 0) to (right, bottom), both exclusive, whose corners are
// rounded by an ellipse of ellipseWidth x ellipseHeight: a corner pixel belongs to the region
// when its centre lies inside the ellipse.
QRegion roundRectRegion(int right, int bottom, int ellipseWidth, int ellipseHeight);

} // namespace ql
