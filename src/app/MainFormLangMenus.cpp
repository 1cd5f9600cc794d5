#include "app/MainForm.h"
#include "settings/StoredSettings.h"

#include "speech/Announcer.h"
#include "speech/VoiceCatalog.h"

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
    for (int i = 0; i < voices_.languages().size(); ++i) {
        for (auto [menu, owner] :
             {std::pair<QMenu*, QObject*>{LangMenu, this},
              std::pair<QMenu*, QObject*>{SelectLanguageMenu, MainPopupMenu}}) {
            auto* item = new QAction(voices_.languages()[i], owner);
            item->setObjectName(QString("MI_%1").arg(i));
            item->setCheckable(true);
            groupOf(menu)->addAction(item);
            menu->addAction(item);
            connect(item, &QAction::triggered, this, [this, item] { LangMenuItemClick(item); });
        }
    }
    if (cfg().SelectedLanguage < 0 || cfg().SelectedLanguage > voices_.languages().size() - 1)
        editSettings([](SettingsRecord& r) { r.SelectedLanguage = 0; });
    checkItem(LangMenu, cfg().SelectedLanguage);
    checkItem(SelectLanguageMenu, cfg().SelectedLanguage);
}

void TMainForm::LangSelButtonClick() {
    checkItem(LangMenu, cfg().SelectedLanguage);
    LangMenu->popup(LangMenuPoint());
}

// The button sits on the background panel at the client origin; the window edges are the outer
// (frame) position.
QPoint TMainForm::LangMenuPoint() const {
    return frameGeometry().topLeft() + LangSelButton->pos() + QPoint(18, 21);
}

void TMainForm::MI_SelectlanguageClick() {
    checkItem(SelectLanguageMenu, cfg().SelectedLanguage);
}

void TMainForm::LangMenuItemClick(QAction* item) {
    // A menu left open can outlive the start of an announcement; the voice must not be unloaded
    // under the worker.
    if (announcer_.speaking()) {
        checkItem(LangMenu, cfg().SelectedLanguage);
        checkItem(SelectLanguageMenu, cfg().SelectedLanguage);
        return;
    }
    item->setChecked(true);
    const int chosen = item->objectName().mid(3).toInt();
    editSettings([chosen](SettingsRecord& r) { r.SelectedLanguage = chosen; });
    LoadLanguage();
    stored_.SaveSettings();
}

} // namespace ql
