// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/KeyCommandFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace ql {

// Watching the application rather than the window: key presses go to the focused control
// first, and only an application filter sees them before it does.
KeyCommandFilter::KeyCommandFilter(QWidget& window, Handler handler)
    : QObject(&window), window_(window), handler_(std::move(handler)) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool KeyCommandFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    if (static_cast<QWidget*>(watched)->window() != &window_) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    return handler_(key->key(), key->modifiers());
}

} // namespace ql
