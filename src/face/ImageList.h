// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;

namespace ql {

// An ordered, read-only list of face images, indexed from 0, decoded once at load.
class ImageList {
  public:
    // Loads :/images/<name>/0.png, 1.png, ... up to expectedCount items. A missing or
    // unreadable image ends the list there (so indices never shift) and is reported once on
    // stderr; drawing past the end then fails like any other bad index.
    ImageList(const QString& name, int expectedCount);

    const QString& name() const { return name_; }
    int count() const { return int(items_.size()); }
    // Throws std::out_of_range for an index outside the list.
    QSize size(int index) const;
    // Draws item index with its top-left corner at (x, y), opaque and unscaled; clipping is
    // the painter's. On a scaled desktop (device pixel ratio 1.5 or 2) the item is drawn from
    // the picture made for that density, so it stays sharp. Throws std::out_of_range for an
    // index outside the list, leaving the painter untouched.
    void draw(QPainter& painter, int index, int x, int y) const;

  private:
    enum Density { Plain, OneAndHalf, Double, DensityCount };

    const QPixmap& at(int index) const;
    const QPixmap& forDensity(int index, qreal ratio) const;

    QString name_;
    std::vector<QPixmap> items_;
    // Loaded on first use: most desktops never need them.
    mutable std::vector<QPixmap> scaled_[DensityCount];
};

} // namespace ql
