#include "app/MainForm.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QToolButton>

namespace ql {
namespace {

// Radio group of one language menu: checking an item unchecks the others.
QActionGroup* groupOf(QMenu* menu) {
    auto* group = menu->findChild<QActionGroup*>("LanguageGroup", Qt::FindDirectChildrenOnly);
    if (group) return group;
    group = new QActionGroup(menu);
    group->setObjectName("LanguageGroup");
    return group;
}

void checkItem(QMenu* menu, int index) {
    const QList<QAction*> items = menu->actions();
    if (index >= 0 && index < items.size()) items[index]->setChecked(true);
}

} // namespace

void TMainForm::BuildLanguageMenus() {
    for (int i = 0; i < LanguageList.size(); ++i) {
        for (auto [menu, owner] :
             {std::pair<QMenu*, QObject*>{LangMenu, this},
              std::pair<QMenu*, QObject*>{SelectLanguageMenu, MainPopupMenu}}) {
            auto* item = new QAction(LanguageList[i], owner);
            item->setObjectName(QString("MI_%1").arg(i));
            item->setCheckable(true);
            groupOf(menu)->addAction(item);
            menu->addAction(item);
            connect(item, &QAction::triggered, this, [this, item] { LangMenuItemClick(item); });
        }
    }
    if (SelectedLanguage < 0 || SelectedLanguage > LanguageList.size() - 1) SelectedLanguage = 0;
    checkItem(LangMenu, SelectedLanguage);
    checkItem(SelectLanguageMenu, SelectedLanguage);
}

void TMainForm::LangSelButtonClick() {
    checkItem(LangMenu, SelectedLanguage);
    LangMenu->popup(LangMenuPoint());
}

// The button sits on the background panel at the client origin; the window edges are the outer
// (frame) position.
QPoint TMainForm::LangMenuPoint() const {
    return frameGeometry().topLeft() + LangSelButton->pos() + QPoint(18, 21);
}

void TMainForm::MI_SelectlanguageClick() {
    checkItem(SelectLanguageMenu, SelectedLanguage);
}

void TMainForm::LangMenuItemClick(QAction* item) {
    // A menu left open can outlive the start of an announcement; the voice must not be unloaded
    // under the worker.
    if (FSpeaking) {
        checkItem(LangMenu, SelectedLanguage);
        checkItem(SelectLanguageMenu, SelectedLanguage);
        return;
    }
    item->setChecked(true);
    SelectedLanguage = item->objectName().mid(3).toInt();
    LoadLanguage();
    SaveSettings();
}

} // namespace ql
