#include "alarm/TUpDown.h"

#include "alarm/NumberField.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

namespace ql {
namespace {

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow) {
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
}

} // namespace

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), UpButton(arrowButton(this, Qt::UpArrow)),
      DownButton(arrowButton(this, Qt::DownArrow)) {
    setFocusPolicy(Qt::TabFocus);
    connect(UpButton, &QToolButton::clicked, this, [this] { step(+1); });
    connect(DownButton, &QToolButton::clicked, this, [this] { step(-1); });
}

void TUpDown::setAssociate(QLineEdit* edit) {
    if (Associate) Associate->removeEventFilter(this);
    Associate = edit;
    if (Associate) Associate->installEventFilter(this);
}

int TUpDown::clamped(int value) const {
    return std::clamp(value, std::min(Min, Max), std::max(Min, Max));
}

void TUpDown::setPosition(int position) {
    Position = clamped(position);
    if (Associate) Associate->setText(QString::number(Position));
}

void TUpDown::step(int delta) {
    if (Associate) {
        const NumberField typed = readNumberField(Associate->text());
        if (typed.valid) Position = clamped(typed.value);
    }
    int next = Position + delta;
    if (next > Max) next = Wrap ? Min : Max;
    if (next < Min) next = Wrap ? Max : Min;
    setPosition(next);
    emit clicked();
}

bool TUpDown::stepKey(int key) {
    if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
    step(key == Qt::Key_Up ? +1 : -1);
    return true;
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Associate && event->type() == QEvent::KeyPress && Associate->isEnabled())
        return stepKey(static_cast<QKeyEvent*>(event)->key());
    return QWidget::eventFilter(watched, event);
}

void TUpDown::keyPressEvent(QKeyEvent* event) {
    if (!stepKey(event->key())) QWidget::keyPressEvent(event);
}

void TUpDown::resizeEvent(QResizeEvent*) {
    const int upper = height() / 2;
    UpButton->setGeometry(0, 0, width(), upper);
    DownButton->setGeometry(0, upper, width(), height() - upper);
}

} // namespace ql
