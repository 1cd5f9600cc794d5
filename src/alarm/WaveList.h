// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace ql {

// An ordered, read-only list of whole wave files held in memory, indexed from 0, read once at
// load from :/sounds/<name>.wav. A missing resource leaves its item empty (it then plays
// nothing) without shifting the others.
class WaveList {
  public:
    explicit WaveList(const QStringList& names);

    int count() const { return int(items_.size()); }
    // The wave data of item index; null when the index is outside the list or the item empty.
    std::shared_ptr<const QByteArray> item(int index) const;

  private:
    std::vector<std::shared_ptr<const QByteArray>> items_;
};

} // namespace ql
