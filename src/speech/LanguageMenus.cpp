// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/LanguageMenus.h"

#include "common/Dialogs.h"
#include "settings/Settings.h"
#include "settings/SettingsTable.h"
#include "speech/Announcer.h"
#include "speech/LanguageRegions.h"
#include "speech/VoiceCatalog.h"

#include <QAction>
#include <QActionGroup>
#include <QFont>
#include <QHash>
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

} // namespace

LanguageMenus::LanguageMenus(Settings& settings, VoiceCatalog& voices, Announcer& announcer,
                             Dialogs& dialogs)
    : settings_(settings), voices_(voices), announcer_(announcer), dialogs_(dialogs) {}

void LanguageMenus::BuildLanguageMenus(QToolButton* button, QMenu* buttonMenu, QMenu* submenu) {
    button_ = button;
    buttonMenu_ = buttonMenu;
    submenu_ = submenu;
    fill(buttonMenu, buttonMenu->parent());
    fill(submenu, submenu->parent());
    // A stored choice beyond the list (voices removed since) falls back to the first voice.
    if (selected() < 0 || selected() > voices_.languages().size() - 1)
        settings_.edit([](SettingsRecord& r) {
            r.SelectedLanguage = settingOf(&SettingsRecord::SelectedLanguage).otherwise;
        });
    checkSelected(buttonMenu);
    checkSelected(submenu);
    connect(button, &QToolButton::clicked, this, &LanguageMenus::LangSelButtonClick);
    connect(submenu, &QMenu::aboutToShow, this, &LanguageMenus::MI_SelectlanguageClick);
}

// Items are owned by the menu's owner, so they live as long as the window that shows them. A
// long list goes into one submenu per region, so that it fits the screen; the items keep their
// positions in the whole list, and one radio group spans the submenus.
void LanguageMenus::fill(QMenu* menu, QObject* owner) {
    const QStringList& languages = voices_.languages();
    QHash<QString, QMenu*> regionMenus;
    if (languages.size() > LanguageRegions::flatListLimit)
        for (const QString& region : LanguageRegions::regions())
            regionMenus.insert(region, menu->addMenu(region));
    for (int i = 0; i < languages.size(); ++i) {
        auto* item = new QAction(languages[i], owner);
        item->setObjectName(QString("MI_%1").arg(i));
        item->setCheckable(true);
        groupOf(menu)->addAction(item);
        QMenu* region = regionMenus.value(LanguageRegions::regionOf(languages[i]), menu);
        region->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { LangMenuItemClick(item); });
    }
    for (QMenu* region : std::as_const(regionMenus))
        region->menuAction()->setVisible(!region->isEmpty());
}

// A region that holds the chosen voice is shown in bold, so the choice can be found unopened.
void LanguageMenus::checkSelected(QMenu* menu) {
    const QList<QAction*> items = groupOf(menu)->actions();
    if (selected() < 0 || selected() >= items.size()) return;
    items[selected()]->setChecked(true);
    for (QAction* region : menu->actions()) {
        if (!region->menu()) continue;
        QFont font = region->font();
        font.setBold(region->menu()->actions().contains(items[selected()]));
        region->setFont(font);
    }
}

int LanguageMenus::selected() const {
    return settings_.values().SelectedLanguage;
}

void LanguageMenus::LoadLanguage() {
    announcer_.setVoice(nullptr);
    const QString problem = voices_.LoadLanguage(selected());
    announcer_.setVoice(voices_.speakProc());
    if (!problem.isEmpty())
        dialogs_.message(button_ ? button_->window() : nullptr, MessageKind::Error, "Error",
                         problem);
}

void LanguageMenus::LangSelButtonClick() {
    checkSelected(buttonMenu_);
    buttonMenu_->popup(LangMenuPoint());
}

// The button sits on the background panel at the client origin; the window edges are the outer
// (frame) position.
QPoint LanguageMenus::LangMenuPoint() const {
    return button_->window()->frameGeometry().topLeft() + button_->pos() + QPoint(18, 21);
}

void LanguageMenus::MI_SelectlanguageClick() {
    checkSelected(submenu_);
}

void LanguageMenus::LangMenuItemClick(QAction* item) {
    // A menu left open can outlive the start of an announcement; the voice must not be unloaded
    // under the worker.
    if (announcer_.speaking()) {
        checkSelected(buttonMenu_);
        checkSelected(submenu_);
        return;
    }
    item->setChecked(true);
    const int chosen = item->objectName().mid(3).toInt();
    settings_.edit([chosen](SettingsRecord& r) { r.SelectedLanguage = chosen; });
    LoadLanguage();
}

} // namespace ql
