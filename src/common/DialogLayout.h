// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStyle>

class QPushButton;
class QString;
class QWidget;

namespace ql {

// The dialogs are laid out at fixed places; each control also gets its documented name.
template <class W> W* place(W* widget, const char* name, QRect geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QPushButton* dialogButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                          QStyle::StandardPixmap icon);

// Places a top-level window, before it is shown, in the middle of the screen it will open on.
void centreOnScreen(QWidget& window);

} // namespace ql
