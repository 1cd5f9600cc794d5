// SPDX-License-Identifier: GPL-3.0-or-later
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
    // list: the voice list version the position counts in, none before the list grew.
    void createWithSelected(const char* selected, const char* list = "2") {
        storeCurrentSettings();
        fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite", {{"SelLang", selected}});
        if (*list)
            fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite", {{"SelLangList", list}});
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
    // The items of the menu's radio group, in list order, whichever submenu holds them.
    static QList<QAction*> items(QMenu* menu) {
        return menu->findChild<QActionGroup*>("LanguageGroup")->actions();
    }
    static int checkedIndex(QMenu* menu) {
        const auto items = LangMenuTest::items(menu);
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
        EXPECT_EQ(cfg().SelectedLanguage, r.checked);
        destroy();
    }
}

TEST_F(LangMenuTest, AChoiceInOneMenuShowsInTheOtherWhenItOpens) {
    createWithSelected("0");
    fakes.journal.entries.clear();
    QMenu* buttonMenu = menu("LangMenu");
    QMenu* submenu = menu("SelectLanguageMenu");
    submenu->actions()[2]->trigger(); // Gamma from the notification-area menu
    EXPECT_EQ(cfg().SelectedLanguage, 2);
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
    EXPECT_EQ(cfg().SelectedLanguage, 2);
    EXPECT_EQ(checkedIndex(menu("SelectLanguageMenu")), 2);
    EXPECT_TRUE(speechControlsDisabled());
    app->Close();
    EXPECT_EQ(fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", "SelLang"), "2");
}

TEST_F(LangMenuTest, AMenuLeftOpenCannotSwitchTheVoiceWhileItSpeaks) {
    createWithSelected("0");
    startSpeaking(); // an announcement started while the menu was open
    fakes.journal.entries.clear();
    menu("LangMenu")->actions()[2]->trigger();
    EXPECT_TRUE(libraryCalls().empty());
    EXPECT_EQ(cfg().SelectedLanguage, 0);
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

// A long list is split by region; the items keep their list positions. A position stored before
// the list grew still names the voice it named then.
TEST_F(LangMenuTest, ALongListIsSplitByRegionAndAnEarlierChoiceKeepsItsVoice) {
    removeVoices();
    const QStringList voices{"Arabic (Ali)",     "Bengali (Anika)",   "Bulgarian (Boris)",
                             "Cantonese (Wing)", "Catalan (Antonio)", "Dutch (Quincy)",
                             "English (Annie)",  "English (Mike)",    "English (Slt)",
                             "German (Max)",     "Hindi (Michael)",   "Japanese (Kei)",
                             "Klingon (Worf)",   "Latvian (Janis)",   "Norwegian (Max)",
                             "Polish (Robert)",  "Russian (Mike)",    "Swahili (Amani)",
                             "Tamil (Kavi)",     "Urdu (Imran)",      "Vietnamese (Nguyen)"};
    for (const QString& v : voices)
        installVoice(v, countingSpeak);
    struct Row {
        const char* stored;
        const char* list;
        int selected;
    } rows[]{
        {"14", "", 10},  // Hindi (Michael), 15th of the 33 earlier voices
        {"8", "", 8},    // English (Slt) stands where it stood
        {"32", "", 20},  // Vietnamese (Nguyen), the earlier last
        {"0", "", 2},    // Bulgarian (Boris), the earlier first
        {"25", "", 0},   // Serbian (Andy) is not installed: that position is beyond this list
        {"x", "", 0},    // unreadable: the first voice, as ever
        {"14", "2", 14}, // stored since the list grew: Norwegian (Max)
    };
    for (const Row& r : rows) {
        fakes.store.deleteKey("Software\\Vessantry\\Quorlan Lite");
        createWithSelected(r.stored, r.list);
        SCOPED_TRACE(std::string(r.stored) + "/" + r.list);
        EXPECT_EQ(cfg().SelectedLanguage, r.selected);
        app->Close();
        EXPECT_EQ(fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", "SelLang"),
                  std::to_string(r.selected));
        EXPECT_EQ(fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", "SelLangList"), "2");
        destroy();
    }

    createWithSelected("11");
    for (QMenu* menu : bothMenus()) {
        SCOPED_TRACE(menu->objectName().toStdString());
        QStringList regions;
        for (QAction* a : menu->actions())
            if (a->isVisible()) regions << a->text() + ": " + captions(a->menu()).join(", ");
        EXPECT_EQ(
            regions,
            (QStringList{"Western Europe: Catalan (Antonio), Dutch (Quincy), English (Annie), "
                         "English (Mike), English (Slt), German (Max)",
                         "Northern Europe: Latvian (Janis), Norwegian (Max)",
                         "Central and Eastern Europe: Bulgarian (Boris), Polish (Robert), "
                         "Russian (Mike)",
                         "Middle East and Africa: Arabic (Ali), Swahili (Amani)",
                         "South Asia: Bengali (Anika), Hindi (Michael), Tamil (Kavi), "
                         "Urdu (Imran)",
                         "East and Southeast Asia: Cantonese (Wing), Japanese (Kei), "
                         "Vietnamese (Nguyen)",
                         "Other languages: Klingon (Worf)"}));
        EXPECT_EQ(checkedIndex(menu), 11);
        QStringList bold;
        for (QAction* a : menu->actions())
            if (a->font().bold()) bold << a->text();
        EXPECT_EQ(bold, QStringList{"East and Southeast Asia"}); // Japanese (Kei)
    }
    fakes.journal.entries.clear();
    QAction* tamil = items(menu("SelectLanguageMenu"))[18];
    ASSERT_EQ(tamil->objectName(), "MI_18");
    tamil->trigger();
    EXPECT_EQ(libraryCalls(),
              (std::vector<std::string>{"library.release", "library.load Tamil (Kavi).so"}));
    button("LangSelButton")->click();
    EXPECT_EQ(checkedIndex(menu("LangMenu")), 18);
    EXPECT_TRUE(menu("LangMenu")->actions()[4]->font().bold()); // South Asia
    EXPECT_FALSE(menu("LangMenu")->actions()[5]->font().bold());
    menu("LangMenu")->hide();
}

TEST_F(LangMenuTest, TheLanguageButtonOpensTheMenu) {
    createWithSelected("0");
    button("LangSelButton")->click();
    EXPECT_TRUE(menu("LangMenu")->isVisible());
    menu("LangMenu")->hide();
}

} // namespace
} // namespace ql
