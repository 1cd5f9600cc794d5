// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace ql {

// Where a language menu files a voice once the list is too long for one column: by the region
// its language is spoken in, as desktop language pickers do.
class LanguageRegions {
  public:
    // Lists up to this long stay flat; longer ones are split by region.
    static constexpr int flatListLimit = 20;

    // The regions in menu order; the last one takes languages it does not know.
    static const QStringList& regions();
    // The region of a list entry such as "Hindi (Michael)".
    static QString regionOf(const QString& entry);
};

} // namespace ql
