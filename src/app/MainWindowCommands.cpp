#include "app/MainWindow.h"

#include "info/HelpPages.h"

#include <QMenu>
#include <QToolButton>

namespace ql {

void MainWindow::OptionsButtonClick() {
    MainPopupMenu->popup(OptionsMenuPoint());
}

QPoint MainWindow::OptionsMenuPoint() const {
    return pos() + OptionsButton->pos() + QPoint(43, 21);
}

// Only Ctrl exactly: Ctrl+Shift+S or Ctrl+Alt+A are somebody else's keys.
bool MainWindow::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
    const auto held =
        Shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held != Qt::ControlModifier) return false;
    switch (Key) {
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
