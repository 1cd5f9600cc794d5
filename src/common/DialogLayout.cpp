// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/DialogLayout.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace ql {

QPushButton* dialogButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                          QStyle::StandardPixmap icon) {
    auto* b = place(new QPushButton(text, parent), name, geometry);
    b->setIcon(parent->style()->standardIcon(icon));
    return b;
}

void centreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    window.move(area.center() - window.rect().center());
}

} // namespace ql
