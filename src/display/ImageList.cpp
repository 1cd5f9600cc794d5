#include "display/ImageList.h"

#include "display/ImageResources.h"

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
    painter.drawPixmap(x, y, at(index));
}

} // namespace ql
