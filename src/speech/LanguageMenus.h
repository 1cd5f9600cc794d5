// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QToolButton;

namespace ql {

class Announcer;
class Dialogs;
class Settings;
class VoiceCatalog;

// The two language menus (the language button's popup and the main menu's submenu): one item
// per voice, the selected one checked, and a choice loads that voice.
class LanguageMenus : public QObject {
    Q_OBJECT
  public:
    LanguageMenus(Settings& settings, VoiceCatalog& voices, Announcer& announcer, Dialogs& dialogs);

    // Fills both menus from the scanned voices; the button opens buttonMenu.
    void BuildLanguageMenus(QToolButton* button, QMenu* buttonMenu, QMenu* submenu);
    // Binds the selected voice to the announcer; a failure is said in a message.
    void LoadLanguage();
    void LangSelButtonClick();
    void MI_SelectlanguageClick();
    void LangMenuItemClick(QAction* item);
    QPoint LangMenuPoint() const; // where LangSelButtonClick pops the menu up

  private:
    void fill(QMenu* menu, QObject* owner);
    void checkSelected(QMenu* menu);
    int selected() const;

    Settings& settings_;
    VoiceCatalog& voices_;
    Announcer& announcer_;
    Dialogs& dialogs_;
    QPointer<QToolButton> button_;
    QPointer<QMenu> buttonMenu_;
    QPointer<QMenu> submenu_;
};

} // namespace ql
