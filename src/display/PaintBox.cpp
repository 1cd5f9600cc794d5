#include "display/PaintBox.h"

#include "display/ImageList.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <tuple>

namespace ql {

TPaintBox::TPaintBox(QWidget* parent, const char* name, QRect geometry) : QWidget(parent) {
    setObjectName(name);
    setGeometry(geometry);
}

void TPaintBox::draw(const ImageList& list, int index, int x, int y) {
    const Item next{&list, index, QRect(QPoint(x, y), list.size(index))};
    if (!pending_) {
        shown_ = items_;
        shownCount_ = count_;
        pending_ = true;
    }
    const QRect area = next.rect & rect();
    removeHiddenBy(area);
    append(next);
    dirty_ |= area;
}

void TPaintBox::flush() {
    if (!pending_) return;
    pending_ = false;
    // Drawing again what the box already shows changes no pixel.
    if (!sameAsBefore() && !dirty_.isEmpty()) update(dirty_);
    dirty_ = QRect();
}

// The same items, and wherever two of them overlap, the same one on top: the same pixels.
bool TPaintBox::sameAsBefore() const {
    if (count_ != shownCount_) return false;
    std::array<int, std::tuple_size_v<Items>> before{};
    for (int i = 0; i < count_; ++i) {
        const Item& a = items_[std::size_t(i)];
        const auto same = [&a](const Item& b) {
            return a.list == b.list && a.index == b.index && a.rect == b.rect;
        };
        const auto found = std::find_if(shown_.begin(), shown_.begin() + shownCount_, same);
        if (found == shown_.begin() + shownCount_) return false;
        before[std::size_t(i)] = int(found - shown_.begin());
    }
    for (int i = 0; i < count_; ++i)
        for (int j = i + 1; j < count_; ++j)
            if (before[std::size_t(i)] > before[std::size_t(j)] &&
                (items_[std::size_t(i)].rect & items_[std::size_t(j)].rect).intersects(rect()))
                return false;
    return true;
}

void TPaintBox::clear() {
    pending_ = false;
    dirty_ = QRect();
    if (count_ == 0) return;
    count_ = 0;
    update();
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
