// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>
#include <vector>

namespace ql::imagegen {

struct NamedList {
    QString name;
    std::vector<QImage> items;
};

// The four face lists in index order.
std::vector<NamedList> buildImageSet();

// Writes <dir>/images/<List>/<i>.png, <dir>/images/ClockFace.png and <dir>/images.qrc.
// Returns false with a message on the first file that cannot be written.
bool writeImageSet(const QString& assetsDir, QString* error);

} // namespace ql::imagegen
