// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/ImageList.h"

#include "face/ImageResources.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

namespace ql {

ImageList::ImageList(const QString& name, int expectedCount) : name_(name) {
    ensureImageResources();
    items_.reserve(std::max(expectedCount, 0));
    for (int i = 0; i < expectedCount; ++i) {
        const QString path = QStringLiteral(":/images/%1/%2.png").arg(name).arg(i);
        const QImage image(path);
        if (image.isNull()) {
            std::fprintf(stderr, "quorlan-lite: face image %s is missing; %s has %d of %d\n",
                         qPrintable(path), qPrintable(name), i, expectedCount);
            return;
        }
        // Without an alpha channel the image always replaces what lies beneath it.
        items_.push_back(QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32)));
    }
}

const QPixmap& ImageList::at(int index) const {
    if (index < 0 || index >= count())
        throw std::out_of_range(name_.toStdString() + ": no image " + std::to_string(index));
    return items_[std::size_t(index)];
}

QSize ImageList::size(int index) const {
    return at(index).size();
}

void ImageList::draw(QPainter& painter, int index, int x, int y) const {
    const QPixmap& pixmap = at(index);
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    if (ratio < 1.25) {
        painter.drawPixmap(x, y, pixmap);
        return;
    }
    const QPixmap& sharp = forDensity(index, ratio);
    // Placed and sized in logical pixels, like the plain picture.
    painter.drawPixmap(QRect(QPoint(x, y), pixmap.size()), sharp.isNull() ? pixmap : sharp);
}

const QPixmap& ImageList::forDensity(int index, qreal ratio) const {
    const Density density = ratio < 1.75 ? OneAndHalf : Double;
    std::vector<QPixmap>& list = scaled_[density];
    if (list.empty()) {
        const qreal scale = density == OneAndHalf ? 1.5 : 2.0;
        const char* suffix = density == OneAndHalf ? "@1.5x" : "@2x";
        list.reserve(items_.size());
        for (std::size_t i = 0; i < items_.size(); ++i) {
            const QImage image(
                QStringLiteral(":/images/%1/%2%3.png").arg(name_).arg(i).arg(suffix));
            QPixmap p = image.isNull()
                            ? QPixmap()
                            : QPixmap::fromImage(image.convertToFormat(QImage::Format_RGB32));
            p.setDevicePixelRatio(scale);
            list.push_back(p);
        }
    }
    return list[std::size_t(index)];
}

} // namespace ql
