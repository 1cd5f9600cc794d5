// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/UpDownButtons.h"

#include "alarm/NumberField.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace ql {
namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAccessibleName(arrow == Qt::UpArrow ? "Up" : "Down");
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

UpDownButtons::UpDownButtons(QWidget* parent)
    : QWidget(parent), upButton_(arrowButton(this, Qt::UpArrow)),
      downButton_(arrowButton(this, Qt::DownArrow)) {
    setFocusPolicy(Qt::TabFocus);
    connect(upButton_, &QToolButton::clicked, this, [this] { step(+1); });
    connect(downButton_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDownButtons::setAssociate(QLineEdit* edit) {
    if (associate_) associate_->removeEventFilter(this);
    associate_ = edit;
    if (associate_) associate_->installEventFilter(this);
}

int UpDownButtons::clamped(int value) const {
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void UpDownButtons::setPosition(int position) {
    position_ = clamped(position);
    if (associate_) associate_->setText(QString::number(position_));
    QAccessibleValueChangeEvent event(this, position_);
    QAccessible::updateAccessibility(&event);
}

void UpDownButtons::step(int delta) {
    if (associate_) {
        const NumberField typed = readNumberField(associate_->text());
        if (typed.valid) position_ = clamped(typed.value);
    }
    int next = position_ + delta;
    if (next > max_) next = wrap_ ? min_ : max_;
    if (next < min_) next = wrap_ ? max_ : min_;
    setPosition(next);
    emit clicked();
}

bool UpDownButtons::stepKey(int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    step(key == Qt::Key_Up ? +1 : -1);
    return true;
}

bool UpDownButtons::eventFilter(QObject* watched, QEvent* event) {
    if (watched == associate_ && event->type() == QEvent::KeyPress && associate_->isEnabled())
        return stepKey(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void UpDownButtons::keyPressEvent(QKeyEvent* event) {
    if (!stepKey(event->key())) QWidget::keyPressEvent(event);
}

void UpDownButtons::resizeEvent(QResizeEvent*) {
    const int upper = height() / 2;
    upButton_->setGeometry(0, 0, width(), upper);
    downButton_->setGeometry(0, upper, width(), height() - upper);
}

} // namespace ql
