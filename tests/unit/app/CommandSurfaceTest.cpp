// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "face/FaceView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QToolButton>

#include <atomic>
#include <functional>
#include <set>

namespace ql {
namespace {

std::atomic<bool> releaseSpeech{false};
void heldSpeak() {
    ++speakCalls;
    while (!releaseSpeech)
        QThread::msleep(1);
}

class CommandSurfaceTest : public MainWindowFixture {
  protected:
    std::vector<std::string> opened; // object names of the modal dialogs, in order
    std::vector<std::string> pages;  // help pages handed to the browser

    void SetUp() override {
        MainWindowFixture::SetUp();
        opened.clear();
        pages.clear();
        QDir(dir.path()).mkdir("help");
        QFile(dir.path() + "/help/index.html").open(QIODevice::WriteOnly);
        fakes.dialogs.browser = [this](const QUrl& url) {
            pages.push_back(url.fileName().toStdString());
            return true;
        };
        fakes.dialogs.dialog = [this](QDialog& d) {
            opened.push_back(d.objectName().toStdString());
            return QDialog::Rejected;
        };
        storeCurrentSettings();
        create();
        form->show();
    }
    void TearDown() override {
        if (form) {
            menu("MainPopupMenu")->hide();
            menu("LangMenu")->hide();
        }
        MainWindowFixture::TearDown();
    }
    // A key press as the window system delivers it: to one control, through the application.
    static void press(QWidget* target, int key, Qt::KeyboardModifiers held) {
        QKeyEvent event(QEvent::KeyPress, key, held);
        QApplication::sendEvent(target, &event);
    }
    QAction* item(const char* name) { return menu("MainPopupMenu")->findChild<QAction*>(name); }

    // What a command did, in words a table can hold.
    std::string outcome() {
        settle();
        std::string what;
        for (const auto& m : messages)
            what += "message " + m.toStdString() + ";";
        for (const auto& d : opened)
            what += "dialog " + d + ";";
        for (const auto& p : pages)
            what += "help " + p + ";";
        if (speakCalls) what += "spoke;";
        if (cfg().FSmallMode) what += "small;";
        if (app->closed())
            what += "closed;";
        else if (!form->isVisible() || form->isMinimized())
            what += "hidden;";
        if (menu("MainPopupMenu")->isVisible()) what += "menu;";
        if (menu("LangMenu")->isVisible()) what += "languages;";
        return what;
    }
};

TEST_F(CommandSurfaceTest, EveryMenuItemAndButtonReachesItsOperation) {
    struct Row {
        const char* control;
        const char* outcome;
    } rows[] = {
        {"MI_Speak", "spoke;"},
        {"MenuItem3", "dialog AlarmForm;"},
        {"MenuItem4", "dialog SettingsForm;"},
        {"MenuItem5", "help index.html;"},
        {"MI_small", "small;"},
        {"About1", "dialog AboutForm;"},
        {"Minimizetotray1", "hidden;"},
        {"Exit2", "closed;"},
        {"AnnounceButton", "spoke;"},
        {"AlarmButton", "dialog AlarmForm;"},
        {"SetupButton", "dialog SettingsForm;"},
        {"OptionsButton", "menu;"},
        {"HelpButton", "help index.html;"},
        {"LangSelButton", "languages;"},
        {"MinimizeButton", "hidden;"},
    };
    for (const auto& r : rows) {
        if (auto* b = form->findChild<QToolButton*>(r.control))
            b->click();
        else if (QAction* a = item(r.control))
            a->trigger();
        else
            ADD_FAILURE() << "no control " << r.control;
        EXPECT_EQ(outcome(), r.outcome) << r.control;
        TearDown();
        SetUp();
    }
}

// The popup menu in its documented order, with captions and shortcuts as the user reads them,
// and the buttons' hints. "Speak!" shows Ctrl+Alt+S only while the global shortcut is on.
TEST_F(CommandSurfaceTest, CaptionsShortcutsAndHintsAreTheDocumentedOnes) {
    struct Item {
        const char* name;
        const char* caption; // "-": a separator
        const char* shortcut;
    } items[] = {
        {"MI_Speak", "Speak!", ""},
        {"MI_Selectlanguage", "Select language", ""},
        {"N8", "-", ""},
        {"MenuItem3", "&Alarm setup...", "Ctrl+A"},
        {"MenuItem4", "&Settings...", "Ctrl+S"},
        {"MenuItem5", "&Help...", "Ctrl+H"},
        {"MenuItem6", "-", ""},
        {"MI_big", "&Big display", ""},
        {"MI_small", "S&mall display", ""},
        {"N3", "-", ""},
        {"About1", "A&bout...", ""},
        {"N5", "-", ""},
        {"Minimizetotray1", "&Minimize to tray", ""},
        {"N6", "-", ""},
        {"Exit2", "Close application", ""},
    };
    const QList<QAction*> actions = menu("MainPopupMenu")->actions();
    ASSERT_EQ(actions.size(), qsizetype(std::size(items)));
    for (qsizetype i = 0; i < actions.size(); ++i) {
        const Item& it = items[i];
        const QAction* a = actions[i];
        const bool separator = std::string(it.caption) == "-";
        EXPECT_EQ(a->isSeparator(), separator) << it.name;
        if (!separator) {
            EXPECT_EQ(a->objectName().toStdString(), it.name);
            EXPECT_EQ(a->text().toStdString(), it.caption) << it.name;
        }
        EXPECT_EQ(a->shortcut().toString().toStdString(), it.shortcut) << it.name;
    }
    editSettings([](SettingsRecord& r) { r.FGlobalShortcut = true; });
    EXPECT_EQ(action("MI_Speak")->shortcut().toString().toStdString(), "Ctrl+Alt+S");

    struct Hint {
        const char* name;
        const char* hint;
    } hints[] = {
        {"AlarmButton", "Alarm and announce settings"},
        {"SetupButton", "Settings"},
        {"OptionsButton", "Options"},
        {"HelpButton", "Help"},
        {"AnnounceButton", "Announce the time"},
        {"LangSelButton", "Language selector"},
        {"MinimizeButton", "Minimize"},
    };
    for (const Hint& h : hints) {
        QToolButton* b = button(h.name);
        ASSERT_TRUE(b) << h.name;
        EXPECT_EQ(b->toolTip().toStdString(), h.hint) << h.name;
    }
    EXPECT_EQ(button("MinimizeButton")->text().toStdString(), "_");
    EXPECT_TRUE(button("MinimizeButton")->font().bold());
}

TEST_F(CommandSurfaceTest, OptionsMenuOpensBesideTheButton) {
    form->move(200, 150);
    const QPoint expected(200 + 110 + 43, 150 + 102 + 21); // the button sits at 110,102
    button("OptionsButton")->click();
    EXPECT_TRUE(menu("MainPopupMenu")->isVisible());
    EXPECT_EQ(menu("MainPopupMenu")->pos(), expected);
}

TEST_F(CommandSurfaceTest, KeysNeedExactlyCtrl) {
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers held;
        const char* outcome;
    } rows[] = {
        {Qt::Key_S, Qt::ControlModifier, "dialog SettingsForm;"},
        {Qt::Key_S, Qt::ControlModifier | Qt::KeypadModifier, "dialog SettingsForm;"},
        {Qt::Key_A, Qt::ControlModifier, "dialog AlarmForm;"},
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, ""},
        {Qt::Key_A, Qt::ControlModifier | Qt::ShiftModifier, ""},
        {Qt::Key_H, Qt::ControlModifier, "help index.html;"},
        {Qt::Key_H, Qt::ControlModifier | Qt::AltModifier, ""},
        {Qt::Key_S, Qt::ControlModifier | Qt::AltModifier, ""},
        {Qt::Key_S, Qt::ControlModifier | Qt::MetaModifier, ""},
        {Qt::Key_S, Qt::NoModifier, ""},
        {Qt::Key_S, Qt::AltModifier, ""},
        {Qt::Key_X, Qt::ControlModifier, ""},
        {Qt::Key_M, Qt::ControlModifier, ""},
        {Qt::Key_F10, Qt::ShiftModifier, "menu;"},
        {Qt::Key_F10, Qt::NoModifier, ""},
        {Qt::Key_F10, Qt::ShiftModifier | Qt::ControlModifier, ""},
    };
    for (const auto& r : rows) {
        // Sent to a control: the window must see it first.
        press(button("AnnounceButton"), r.key, r.held);
        EXPECT_EQ(outcome(), r.outcome) << r.key << " " << r.held.toInt();
        opened.clear();
        pages.clear();
        menu("MainPopupMenu")->hide();
    }
}

// The notification-area menu works while a dialog is open: asking for any dialog then brings the
// open one forward instead of stacking a second modal window on it.
TEST_F(CommandSurfaceTest, NoDialogOpensOverAnOpenOne) {
    // Commands as closures: UBSan's type check misreads calls through member pointers here.
    const std::pair<std::string, std::function<void()>> rows[] = {
        {"SettingsForm", [this] { button("SetupButton")->click(); }},
        {"AlarmForm", [this] { button("AlarmButton")->click(); }},
        {"AboutForm", [this] { form->findChild<QAction*>("About1")->trigger(); }}};
    for (const auto& [name, command] : rows) {
        for (const auto& [laterName, later] : rows) {
            opened.clear();
            fakes.dialogs.dialog = [&](QDialog& d) {
                opened.push_back(d.objectName().toStdString());
                if (opened.size() == 1) later(); // chosen from the tray while the first is open
                return int(QDialog::Rejected);
            };
            command();
            EXPECT_EQ(opened, std::vector<std::string>{name}) << "then " << laterName;
        }
    }
}

TEST_F(CommandSurfaceTest, KeyHandlerLeavesOtherWindowsAlone) {
    QWidget other;
    press(&other, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(outcome(), "");
}

TEST_F(CommandSurfaceTest, RightClickAnywhereShowsTheMenu) {
    for (QWidget* target : {static_cast<QWidget*>(form), static_cast<QWidget*>(face()),
                            static_cast<QWidget*>(button("SetupButton"))}) {
        const QPoint at(5, 5);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
        EXPECT_TRUE(menu("MainPopupMenu")->isVisible()) << target->objectName().toStdString();
        menu("MainPopupMenu")->hide();
    }
}

TEST_F(CommandSurfaceTest, OnlySpeechControlsWaitForAnAnnouncement) {
    releaseSpeech = false;
    installVoice("English (Test)", heldSpeak);
    destroy();
    create();
    form->findChild<QToolButton*>("AnnounceButton")->click();
    ASSERT_TRUE(app->announcer().speaking());
    const std::set<std::string> speech{"AnnounceButton", "LangSelButton", "MI_Speak",
                                       "MI_Selectlanguage"};
    for (QToolButton* b : form->findChildren<QToolButton*>())
        EXPECT_EQ(b->isEnabled(), !speech.contains(b->objectName().toStdString()))
            << b->objectName().toStdString();
    for (QAction* a : menu("MainPopupMenu")->actions()) {
        if (a->isSeparator()) continue;
        EXPECT_EQ(a->isEnabled(), !speech.contains(a->objectName().toStdString()))
            << a->objectName().toStdString();
    }
    releaseSpeech = true;
    settle();
    EXPECT_TRUE(button("AnnounceButton")->isEnabled());
    EXPECT_TRUE(action("MI_Selectlanguage")->isEnabled());
}

} // namespace
} // namespace ql
