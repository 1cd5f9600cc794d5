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
    MainPopupMenu = new QMenu(this);
    MainPopupMenu->setObjectName("MainPopupMenu");
    MI_Speak = addItem(MainPopupMenu, "MI_Speak", "Speak!", QKeySequence("Ctrl+Alt+S"));
    connect(MI_Speak, &QAction::triggered, this, [this] { speech_.Speak1Click(); });
    SelectLanguageMenu = new QMenu("Select language", MainPopupMenu);
    SelectLanguageMenu->setObjectName("SelectLanguageMenu");
    MI_Selectlanguage = MainPopupMenu->addMenu(SelectLanguageMenu);
    MI_Selectlanguage->setObjectName("MI_Selectlanguage");
    addSeparator(MainPopupMenu, "N8");
    QAction* alarmSetup =
        addItem(MainPopupMenu, "MenuItem3", "&Alarm setup...", QKeySequence("Ctrl+A"));
    connect(alarmSetup, &QAction::triggered, this, &MainWindow::AlarmButtonClick);
    QAction* settings = addItem(MainPopupMenu, "MenuItem4", "&Settings...", QKeySequence("Ctrl+S"));
    connect(settings, &QAction::triggered, this, &MainWindow::Settings1Click);
    QAction* help = addItem(MainPopupMenu, "MenuItem5", "&Help...", QKeySequence("Ctrl+H"));
    connect(help, &QAction::triggered, this, [this] { help_.HelpButtonClick(); });
    addSeparator(MainPopupMenu, "MenuItem6");
    MI_big = addItem(MainPopupMenu, "MI_big", "&Big display");
    MI_small = addItem(MainPopupMenu, "MI_small", "S&mall display");
    auto* layouts = new QActionGroup(MainPopupMenu);
    for (QAction* a : {MI_big, MI_small}) {
        a->setCheckable(true);
        layouts->addAction(a);
    }
    MI_big->setChecked(true);
    connect(MI_big, &QAction::triggered, this, &MainWindow::MI_bigClick);
    connect(MI_small, &QAction::triggered, this, &MainWindow::MI_smallClick);
    addSeparator(MainPopupMenu, "N3");
    QAction* about = addItem(MainPopupMenu, "About1", "A&bout...");
    connect(about, &QAction::triggered, this, [this] { info_.About1Click(); });
    addSeparator(MainPopupMenu, "N5");
    QAction* toTray = addItem(MainPopupMenu, "Minimizetotray1", "&Minimize to tray");
    connect(toTray, &QAction::triggered, this, &MainWindow::minimizeToTrayChosen);
    addSeparator(MainPopupMenu, "N6");
    Exit2 = addItem(MainPopupMenu, "Exit2", "Close application");
    connect(Exit2, &QAction::triggered, this, &MainWindow::closeAsked);
    // The focus never left the button under the menu, so a screen reader is told it is back there.
    connect(MainPopupMenu, &QMenu::aboutToHide, this,
            [this] { QTimer::singleShot(0, this, &MainWindow::retellFocus); });
    // The keys act through the window's key handler, not as menu shortcuts.
    for (QAction* a : MainPopupMenu->actions())
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
        MainPopupMenu->popup(event->globalPos());
}

} // namespace ql
