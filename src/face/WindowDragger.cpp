// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/WindowDragger.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace ql {

WindowDragger::WindowDragger(QWidget* window) : QObject(window), window_(window) {
    settle_.setSingleShot(true);
    settle_.setInterval(400);
    connect(&settle_, &QTimer::timeout, this, [this] {
        moving_ = false;
        emit settled();
    });
    // The window's last move can arrive after the button's release, when the drag is over.
    window_->installEventFilter(this);
}

WindowDragger::~WindowDragger() {
    if (active_) finish();
}

void WindowDragger::start(QPoint globalPos) {
    if (active_) return;
    active_ = true;
    moving_ = true;
    QGuiApplication::setOverrideCursor(Qt::SizeAllCursor);
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    qApp->installEventFilter(this);
    QWindow* native = window_->windowHandle();
    byHand_ = !(native && native->startSystemMove());
    grabOffset_ = globalPos - window_->pos();
}

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::Move:
        if (watched == window_ && moving_) settle_.start();
        break;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!(mouse->buttons() & Qt::LeftButton)) {
            finish(); // the release happened where we could not see it
        } else if (byHand_ && watched->isWidgetType()) {
            window_->move(mouse->globalPosition().toPoint() - grabOffset_);
            return true;
        }
        break;
    }
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
        finish();
        break;
    default:
        break;
    }
    return false;
}

void WindowDragger::finish() {
    if (!active_) return;
    active_ = false;
    qApp->removeEventFilter(this);
    QGuiApplication::restoreOverrideCursor();
}

} // namespace ql
