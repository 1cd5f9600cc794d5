// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "info/HelpPages.h"

#include <QAbstractButton>
#include <QMenu>
#include <QToolButton>

namespace ql {

void MainWindow::OptionsButtonClick() {
    popupMenu_->popup(OptionsMenuPoint());
}

QPoint MainWindow::OptionsMenuPoint() const {
    return pos() + optionsButton_->pos() + QPoint(43, 21);
}

// Opened from the keyboard, the menu starts on its first item so that the arrows and a screen
// reader have somewhere to begin. The small face has no options button to open it beside.
void MainWindow::openMenuFromKeyboard() {
    const QPoint at = cfg().FSmallMode ? mapToGlobal(QPoint(0, height())) : OptionsMenuPoint();
    popupMenu_->popup(at);
    popupMenu_->setActiveAction(popupMenu_->actions().value(0));
}

// Space is the buttons' own key; Enter is added since keyboard users expect either.
bool MainWindow::pressFocusedButton() {
    auto* button = qobject_cast<QAbstractButton*>(focusWidget());
    if (!button || !button->isVisible() || !button->isEnabled()) return false;
    button->click();
    return true;
}

// Only Ctrl exactly: Ctrl+Shift+S or Ctrl+Alt+A are somebody else's keys.
bool MainWindow::FormKeyDown(int key, Qt::KeyboardModifiers modifiers) {
    const auto held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // The Menu key reaches the window as a context-menu request; Shift+F10 only as a key.
    if (key == Qt::Key_F10 && held == Qt::ShiftModifier) {
        openMenuFromKeyboard();
        return true;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && held == Qt::NoModifier)
        return pressFocusedButton();
    if (held != Qt::ControlModifier) return false;
    switch (key) {
    case Qt::Key_A:
        AlarmButtonClick();
        return true;
    case Qt::Key_S:
        SetupButtonClick();
        return true;
    case Qt::Key_H:
        help_.HelpButtonClick();
        return true;
    default:
        return false;
    }
}

} // namespace ql
