// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/FaceView.h"

#include "face/ClockData.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include <stdexcept>

namespace ql {
namespace {

// The command buttons are made of the same brushed metal as the panel: raised ones a bevelled
// key with a light top edge, flat ones bare metal until the pointer is over them. The button the
// keyboard reached wears a frame in the colour of the digits.
const char* const kButtonStyle = R"(
QToolButton {
    border: 1px solid rgb(118, 122, 128);
    border-radius: 3px;
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(242, 244, 246),
                                stop:0.45 rgb(218, 221, 225), stop:1 rgb(190, 194, 199));
}
QToolButton:hover {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(250, 251, 252),
                                stop:0.45 rgb(230, 232, 235), stop:1 rgb(202, 206, 211));
}
QToolButton:pressed, QToolButton:checked {
    border-color: rgb(96, 100, 106);
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(178, 182, 187),
                                stop:1 rgb(210, 213, 217));
}
QToolButton[autoRaise="true"] {
    border: 1px solid transparent;
    background: transparent;
}
QToolButton[autoRaise="true"]:hover {
    border: 1px solid rgba(96, 100, 106, 150);
    background: rgba(255, 255, 255, 80);
}
QToolButton[autoRaise="true"]:pressed {
    background: rgba(0, 0, 0, 28);
}
QToolButton::menu-indicator { image: none; }
QToolButton[keyboardFocus="true"], QToolButton[autoRaise="true"][keyboardFocus="true"] {
    border: 2px solid rgb(49, 49, 49);
}
)";

} // namespace

FaceView::FaceView(QWidget* parent) : QWidget(parent) {
    setObjectName("BackPanel");
    setGeometry(0, 0, 292, 130);
    // Every pixel is painted here, so the window beneath needs no repaint.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setStyleSheet(kButtonStyle);
}

void FaceView::setImages(const ClockData* images) {
    images_ = images;
    update();
}

void FaceView::setSmall(bool small) {
    if (state_.setLayout(small)) update();
}

void FaceView::UpdateHours(int hour, const FaceOptions& options) {
    change([&](FaceState& s) { return s.setHours(hour, options); });
}

void FaceView::UpdateMinutes(int minute) {
    change([&](FaceState& s) { return s.setMinutes(minute); });
}

void FaceView::UpdateSeconds(int second) {
    change([&](FaceState& s) { return s.setSeconds(second); });
}

void FaceView::UpdateDate(int day, int dayOfWeek) {
    change([&](FaceState& s) { return s.setDate(day, dayOfWeek); });
}

void FaceView::UpdateMiniTime(int hour, int minute, bool hours24) {
    change([&](FaceState& s) { return s.setMiniTime(hour, minute, hours24); });
}

void FaceView::BlinkMiniColon() {
    change([&](FaceState& s) { return s.setMiniColon(blinkPhase_); });
    blinkPhase_ = !blinkPhase_;
}

QRect FaceView::cellRect(const QString& name) {
    for (int i = 0; i < kCellCount; ++i)
        if (name == QLatin1String(cellPlace(CellId(i)).name)) return cellPlace(CellId(i)).rect;
    return {};
}

template <typename Set> void FaceView::change(Set set) {
    const FaceState before = state_;
    CellMask cells = set(state_);
    for (int i = 0; cells; ++i, cells >>= 1)
        if (cells & 1) update(changedArea(before, CellId(i)));
}

// The items of a cell that differ, old and new; the whole cell when it appears, disappears or
// moves in the painting order.
QRect FaceView::changedArea(const FaceState& before, CellId id) const {
    const QRect box = ql::cellRect(id);
    const FaceCell& was = before.cell(id);
    const FaceCell& is = state_.cell(id);
    if (!images_ || was.count() != is.count() || before.shows(id) != state_.shows(id) ||
        before.paintOrder() != state_.paintOrder())
        return box;
    QRect area;
    for (int i = 0; i < is.count(); ++i)
        if (!(was[i] == is[i])) area |= itemRect(was[i]) | itemRect(is[i]);
    return area.translated(box.topLeft()) & box;
}

QRect FaceView::itemRect(const FaceItem& item) const {
    try {
        return QRect(QPoint(item.x, item.y), list(item.list).size(item.index));
    } catch (const std::out_of_range&) {
        return {};
    }
}

void FaceView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect dirty = event->rect();
    const QRect image = paintBackground(painter);
    // Outside the image (or without one) the panel shows the window colour.
    for (const QRect& r : QRegion(dirty) - image)
        painter.fillRect(r, palette().window());
    if (!images_) return;
    for (CellId id : state_.paintOrder())
        if (state_.shows(id) && ql::cellRect(id).intersects(dirty)) paintCell(painter, id, dirty);
}

QRect FaceView::paintBackground(QPainter& painter) const {
    if (!images_) return {};
    try {
        images_->MiscList.draw(painter, state_.background(), 0, 0);
        return QRect(QPoint(0, 0), images_->MiscList.size(state_.background()));
    } catch (const std::out_of_range&) {
        return {};
    }
}

// Items are drawn opaque and clipped to their cell; an image missing from its list is skipped
// and the rest of the face still shows.
void FaceView::paintCell(QPainter& painter, CellId id, const QRect& dirty) const {
    const QRect box = ql::cellRect(id);
    painter.setClipRect(box & dirty);
    for (const FaceItem& item : state_.cell(id)) {
        try {
            list(item.list).draw(painter, item.index, box.x() + item.x, box.y() + item.y);
        } catch (const std::out_of_range&) {
        }
    }
    painter.setClipping(false);
}

const ImageList& FaceView::list(FaceList which) const {
    switch (which) {
    case FaceList::HrMin:
        return images_->HrMinList;
    case FaceList::Sec:
        return images_->SecList;
    case FaceList::MS:
        return images_->MSList;
    case FaceList::Misc:
        break;
    }
    return images_->MiscList;
}

void FaceView::showEvent(QShowEvent*) {
    emit shown();
}

void FaceView::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit mousePressed(event->button());
}

} // namespace ql
