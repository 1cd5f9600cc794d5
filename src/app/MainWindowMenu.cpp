// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/KeyCommandFilter.h"
#include "info/HelpPages.h"
#include "info/InfoDesk.h"
#include "speech/SpeechCommands.h"

#include <QAccessible>
#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

namespace ql {
namespace {

QAction* addItem(QMenu* menu, const char* name, const QString& caption,
                 const QKeySequence& key = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    a->setShortcut(key);
    return a;
}

void addSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

} // namespace

void MainWindow::createPopupMenu() {
    popupMenu_ = new QMenu(this);
    popupMenu_->setObjectName("MainPopupMenu");
    speakAction_ = addItem(popupMenu_, "MI_Speak", "Speak!", QKeySequence("Ctrl+Alt+S"));
    connect(speakAction_, &QAction::triggered, this, [this] { speech_.Speak1Click(); });
    languageSubmenu_ = new QMenu("Select language", popupMenu_);
    languageSubmenu_->setObjectName("SelectLanguageMenu");
    languageAction_ = popupMenu_->addMenu(languageSubmenu_);
    languageAction_->setObjectName("MI_Selectlanguage");
    addSeparator(popupMenu_, "N8");
    QAction* alarmSetup =
        addItem(popupMenu_, "MenuItem3", "&Alarm setup...", QKeySequence("Ctrl+A"));
    connect(alarmSetup, &QAction::triggered, this, &MainWindow::AlarmButtonClick);
    QAction* settings = addItem(popupMenu_, "MenuItem4", "&Settings...", QKeySequence("Ctrl+S"));
    connect(settings, &QAction::triggered, this, &MainWindow::Settings1Click);
    QAction* help = addItem(popupMenu_, "MenuItem5", "&Help...", QKeySequence("Ctrl+H"));
    connect(help, &QAction::triggered, this, [this] { help_.HelpButtonClick(); });
    addSeparator(popupMenu_, "MenuItem6");
    bigAction_ = addItem(popupMenu_, "MI_big", "&Big display");
    smallAction_ = addItem(popupMenu_, "MI_small", "S&mall display");
    auto* layouts = new QActionGroup(popupMenu_);
    for (QAction* a : {bigAction_, smallAction_}) {
        a->setCheckable(true);
        layouts->addAction(a);
    }
    bigAction_->setChecked(true);
    connect(bigAction_, &QAction::triggered, this, &MainWindow::MI_bigClick);
    connect(smallAction_, &QAction::triggered, this, &MainWindow::MI_smallClick);
    addSeparator(popupMenu_, "N3");
    QAction* about = addItem(popupMenu_, "About1", "A&bout...");
    connect(about, &QAction::triggered, this, [this] { info_.About1Click(); });
    addSeparator(popupMenu_, "N5");
    QAction* toTray = addItem(popupMenu_, "Minimizetotray1", "&Minimize to tray");
    connect(toTray, &QAction::triggered, this, &MainWindow::minimizeToTrayChosen);
    addSeparator(popupMenu_, "N6");
    closeAction_ = addItem(popupMenu_, "Exit2", "Close application");
    connect(closeAction_, &QAction::triggered, this, &MainWindow::closeAsked);
    // The focus never left the button under the menu, so a screen reader is told it is back there.
    connect(popupMenu_, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, &MainWindow::retellFocus); });
    // The keys act through the window's key handler, not as menu shortcuts.
    for (QAction* a : popupMenu_->actions())
        a->setShortcutContext(Qt::WidgetShortcut);
    new KeyCommandFilter(
        *this, [this](int key, Qt::KeyboardModifiers held) { return FormKeyDown(key, held); });
}

void MainWindow::retellFocus() {
    QWidget* focus = focusWidget();
    if (!isActiveWindow() || !focus) return;
    QAccessibleEvent event(focus, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// A right click anywhere on the window, or the Menu key wherever the focus is: the event comes up
// from the control under the pointer or with the focus.
void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard)
        openMenuFromKeyboard();
    else
        popupMenu_->popup(event->globalPos());
}

} // namespace ql
