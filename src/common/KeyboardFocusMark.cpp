// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/KeyboardFocusMark.h"

#include <QFocusEvent>
#include <QStyle>
#include <QWidget>

namespace ql {

KeyboardFocusMark::KeyboardFocusMark(QWidget& window, std::initializer_list<QWidget*> controls)
    : QObject(&window) {
    window.installEventFilter(this);
    for (QWidget* c : controls)
        c->installEventFilter(this);
}

bool KeyboardFocusMark::eventFilter(QObject* watched, QEvent* event) {
    auto* widget = static_cast<QWidget*>(watched);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        keyboard_ = false;
        if (QWidget* focus = widget->window()->focusWidget()) mark(*focus, false);
        break;
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) keyboard_ = true;
        if (!widget->isWindow()) mark(*widget, keyboard_);
        break;
    }
    case QEvent::FocusOut:
        if (!widget->isWindow()) mark(*widget, false);
        break;
    default:
        break;
    }
    return false;
}

// A style sheet reads dynamic properties only when the widget is polished again.
void KeyboardFocusMark::mark(QWidget& control, bool on) {
    if (control.property("keyboardFocus").toBool() == on) return;
    control.setProperty("keyboardFocus", on);
    control.style()->unpolish(&control);
    control.style()->polish(&control);
    control.update();
}

} // namespace ql
