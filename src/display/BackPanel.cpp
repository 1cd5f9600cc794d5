#include "display/BackPanel.h"

#include "display/ImageList.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <stdexcept>

namespace ql {

TBackPanel::TBackPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("BackPanel");
    setGeometry(0, 0, 292, 130);
    // The panel paints every pixel itself, so the window beneath it needs no repaint.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TBackPanel::setImageList(const ImageList* list) {
    list_ = list;
    update();
}

void TBackPanel::setImageIndex(int index) {
    if (index == index_) return;
    index_ = index;
    update();
}

void TBackPanel::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    QRect image;
    if (list_) {
        try {
            image = QRect(QPoint(0, 0), list_->size(index_));
            list_->draw(painter, index_, 0, 0);
        } catch (const std::out_of_range&) {
            image = QRect();
        }
    }
    // Outside the image (or without one) the panel shows the window colour.
    if (image.contains(event->rect())) return;
    for (const QRect& r : QRegion(event->rect()) - image)
        painter.fillRect(r, palette().window());
}

void TBackPanel::showEvent(QShowEvent*) {
    emit shown();
}

void TBackPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mousePressed(event->button());
}

} // namespace ql
