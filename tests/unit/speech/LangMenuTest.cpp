#include "SpeechFixture.h"

namespace ql {
namespace {

class LangMenuTest : public SpeechFixture {
  protected:
    void SetUp() override {
        SpeechFixture::SetUp();
        for (const char* name : {"Gamma", "alpha", "Beta"})
            installVoice(name, countingSpeak);
    }
    void createWithSelected(const char* selected) {
        storeCurrentSettings();
        fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite", {{"SelLang", selected}});
        create();
    }
    // The language button's menu, then the main menu's submenu.
    std::vector<QMenu*> bothMenus() const { return {menu("LangMenu"), menu("SelectLanguageMenu")}; }
    static QStringList captions(QMenu* menu) {
        QStringList c;
        for (QAction* a : menu->actions())
            c << a->text();
        return c;
    }
    static int checkedIndex(QMenu* menu) {
        const auto items = menu->actions();
        for (int i = 0; i < items.size(); ++i)
            if (items[i]->isChecked()) return i;
        return -1;
    }
    std::vector<std::string> libraryCalls() const {
        std::vector<std::string> calls;
        for (const auto& e : fakes.journal.entries) {
            if (e.rfind("library.", 0) != 0) continue;
            const auto slash = e.rfind('/'); // the load's path, shortened to the file name
            calls.push_back(slash == std::string::npos
                                ? e
                                : e.substr(0, e.find(' ') + 1) + e.substr(slash + 1));
        }
        return calls;
    }
};

TEST_F(LangMenuTest, BothMenusListTheVoicesInOrderWithTheSelectedOneChecked) {
    createWithSelected("1");
    for (QMenu* menu : bothMenus()) {
        SCOPED_TRACE(menu->objectName().toStdString());
        EXPECT_EQ(captions(menu), (QStringList{"alpha", "Beta", "Gamma"}));
        EXPECT_EQ(checkedIndex(menu), 1);
        for (int i = 0; i < 3; ++i) {
            QAction* item = menu->actions()[i];
            EXPECT_EQ(item->objectName(), QString("MI_%1").arg(i));
            EXPECT_TRUE(item->isCheckable());
            EXPECT_TRUE(item->actionGroup() && item->actionGroup()->isExclusive());
        }
    }
    EXPECT_EQ(action("MI_Selectlanguage")->menu(), menu("SelectLanguageMenu"));
}

// A stored choice outside the list falls back to the first voice, and both menus check it.
TEST_F(LangMenuTest, AStoredChoiceOutsideTheListIsCheckedAsTheFirstInBothMenus) {
    struct Row {
        const char* stored;
        int checked;
    } rows[] = {{"3", 0}, {"-1", 0}, {"99", 0}, {"x", 0}, {"2", 2}, {"0", 0}};
    for (const Row& r : rows) {
        createWithSelected(r.stored);
        for (QMenu* menu : bothMenus()) {
            SCOPED_TRACE(menu->objectName().toStdString() + " " + r.stored);
            EXPECT_EQ(checkedIndex(menu), r.checked);
            int checks = 0;
            for (QAction* a : menu->actions())
                checks += a->isChecked() ? 1 : 0;
            EXPECT_EQ(checks, 1);
        }
        EXPECT_EQ(app->settings().values().SelectedLanguage, r.checked);
        destroy();
    }
}

TEST_F(LangMenuTest, AChoiceInOneMenuShowsInTheOtherWhenItOpens) {
    createWithSelected("0");
    fakes.journal.entries.clear();
    QMenu* buttonMenu = menu("LangMenu");
    QMenu* submenu = menu("SelectLanguageMenu");
    submenu->actions()[2]->trigger(); // Gamma from the notification-area menu
    EXPECT_EQ(app->settings().values().SelectedLanguage, 2);
    EXPECT_EQ(libraryCalls(),
              (std::vector<std::string>{"library.release", "library.load Gamma.so"}));
    EXPECT_EQ(checkedIndex(buttonMenu), 0); // not touched until it opens
    form->move(100, 80);
    button("LangSelButton")->click();
    EXPECT_EQ(checkedIndex(buttonMenu), 2);
    EXPECT_TRUE(buttonMenu->isVisible());
    // Below and right of the button at (261, 102) of the big face.
    EXPECT_EQ(buttonMenu->pos(), QPoint(100 + 261 + 18, 80 + 102 + 21));
    buttonMenu->hide();
    // And back: a choice in the button's menu is checked in the submenu when that opens.
    buttonMenu->actions()[1]->trigger();
    EXPECT_EQ(checkedIndex(submenu), 2);
    emit submenu->aboutToShow();
    EXPECT_EQ(checkedIndex(submenu), 1);
}

TEST_F(LangMenuTest, ChoosingTheLoadedLanguageLoadsItAgain) {
    createWithSelected("1");
    fakes.journal.entries.clear();
    menu("LangMenu")->actions()[1]->trigger();
    EXPECT_EQ(libraryCalls(),
              (std::vector<std::string>{"library.release", "library.load Beta.so"}));
    EXPECT_TRUE(app->announcer().hasVoice());
}

TEST_F(LangMenuTest, AVoiceThatFailsKeepsItsCheckAndPosition) {
    installVoice("Delta", nullptr); // loads, but has no Speak
    createWithSelected("0");
    menu("SelectLanguageMenu")->actions()[2]->trigger(); // alpha, Beta, Delta, Gamma
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.back(),
              "Error|Error in Delta.so - time announcements will not be available.");
    EXPECT_EQ(app->settings().values().SelectedLanguage, 2);
    EXPECT_EQ(checkedIndex(menu("SelectLanguageMenu")), 2);
    EXPECT_TRUE(speechControlsDisabled());
    form->Close();
    EXPECT_EQ(fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", "SelLang"), "2");
}

TEST_F(LangMenuTest, AMenuLeftOpenCannotSwitchTheVoiceWhileItSpeaks) {
    createWithSelected("0");
    startSpeaking(); // an announcement started while the menu was open
    fakes.journal.entries.clear();
    menu("LangMenu")->actions()[2]->trigger();
    EXPECT_TRUE(libraryCalls().empty());
    EXPECT_EQ(app->settings().values().SelectedLanguage, 0);
    EXPECT_EQ(checkedIndex(menu("LangMenu")), 0);
}

TEST_F(LangMenuTest, WithoutVoicesBothMenusHoldTheCheckedPlaceholder) {
    removeVoices();
    createWithSelected("2");
    for (QMenu* menu : bothMenus()) {
        EXPECT_EQ(captions(menu), QStringList{"[No language]"});
        EXPECT_EQ(checkedIndex(menu), 0);
    }
    EXPECT_FALSE(button("LangSelButton")->isEnabled());
    EXPECT_FALSE(action("MI_Selectlanguage")->isEnabled());
}

TEST_F(LangMenuTest, TheLanguageButtonOpensTheMenu) {
    createWithSelected("0");
    button("LangSelButton")->click();
    EXPECT_TRUE(menu("LangMenu")->isVisible());
    menu("LangMenu")->hide();
}

} // namespace
} // namespace ql
