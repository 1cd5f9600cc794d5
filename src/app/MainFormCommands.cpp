#include "app/MainForm.h"

#include "app/KeyCommandFilter.h"

#include <QMenu>
#include <QToolButton>

#include <map>

namespace ql {

void TMainForm::OptionsButtonClick() {
    MainPopupMenu->popup(OptionsMenuPoint());
}

QPoint TMainForm::OptionsMenuPoint() const {
    return pos() + OptionsButton->pos() + QPoint(43, 21);
}

// Only Ctrl exactly: Ctrl+Shift+S or Ctrl+Alt+A are somebody else's keys. Each key does what
// the menu item showing it does.
bool TMainForm::FormKeyDown(int Key, Qt::KeyboardModifiers Shift) {
    const auto held =
        Shift & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (held != Qt::ControlModifier) return false;
    static const std::map<int, const char*> items{
        {Qt::Key_A, "MenuItem3"}, {Qt::Key_S, "MenuItem4"}, {Qt::Key_H, "MenuItem5"}};
    const auto item = items.find(Key);
    if (item == items.end()) return false;
    MainPopupMenu->findChild<QAction*>(item->second)->trigger();
    return true;
}

} // namespace ql
