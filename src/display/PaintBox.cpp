#include "display/PaintBox.h"

#include "display/ImageList.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

namespace ql {

TPaintBox::TPaintBox(QWidget* parent, const char* name, QRect geometry) : QWidget(parent) {
    setObjectName(name);
    setGeometry(geometry);
}

void TPaintBox::draw(const ImageList& list, int index, int x, int y) {
    const Item next{&list, index, QRect(QPoint(x, y), list.size(index))};
    const QRect shown = next.rect & rect();
    for (int i = 0; i < count_; ++i) {
        const Item& old = items_[std::size_t(i)];
        // Drawing what the box already shows on top changes no pixel: no repaint.
        if (old.list == next.list && old.index == next.index && old.rect == next.rect &&
            showsOnTop(i))
            return;
    }
    removeHiddenBy(shown);
    append(next);
    if (!shown.isEmpty()) update(shown);
}

void TPaintBox::clear() {
    if (count_ == 0) return;
    count_ = 0;
    update();
}

// True when no later item overlaps item i within the box.
bool TPaintBox::showsOnTop(int i) const {
    const QRect area = items_[std::size_t(i)].rect & rect();
    for (int j = i + 1; j < count_; ++j)
        if (items_[std::size_t(j)].rect.intersects(area)) return false;
    return true;
}

void TPaintBox::removeHiddenBy(const QRect& area) {
    int kept = 0;
    for (int i = 0; i < count_; ++i) {
        const Item& old = items_[std::size_t(i)];
        if (!area.contains(old.rect & rect())) items_[std::size_t(kept++)] = old;
    }
    count_ = kept;
}

void TPaintBox::append(const Item& item) {
    if (count_ == int(items_.size())) {
        // The oldest item lies beneath all others; losing it changes the least.
        std::move(items_.begin() + 1, items_.end(), items_.begin());
        --count_;
    }
    items_[std::size_t(count_++)] = item;
}

void TPaintBox::paintEvent(QPaintEvent* event) {
    emit painting();
    QPainter painter(this);
    const QRect dirty = event->rect();
    for (int i = 0; i < count_; ++i) {
        const Item& it = items_[std::size_t(i)];
        if (it.rect.intersects(dirty)) it.list->draw(painter, it.index, it.rect.x(), it.rect.y());
    }
}

void TPaintBox::mousePressEvent(QMouseEvent* event) {
    // Accepted, so the panel beneath does not start a second drag; the context menu comes
    // from its own event.
    event->accept();
    emit mousePressed(event->button());
}

} // namespace ql
