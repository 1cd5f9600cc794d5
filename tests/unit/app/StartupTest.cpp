// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include <QMenu>
#include <algorithm>

namespace ql {
namespace {

using StartupTest = MainWindowFixture;

std::vector<std::string> platformSteps(const FakeJournal& j) {
    std::vector<std::string> steps;
    for (const auto& e : j.entries) {
        const auto kind = e.substr(0, e.find_first_of(". "));
        if (steps.empty() || steps.back() != kind) steps.push_back(kind);
    }
    return steps;
}

TEST_F(StartupTest, StepsRunInTheirFixedOrder) {
    storeCurrentSettings();
    create();
    // lock, start-up volume, clock, settings, tray hint (reads the clock), voice library,
    // taskbar button.
    const std::vector<std::string> expected = {"lock",  "gain",    "clock",  "store",
                                               "clock", "library", "taskbar"};
    EXPECT_EQ(platformSteps(fakes.journal), expected);
    EXPECT_EQ(fakes.lock.name, "QuorlanLite");
    EXPECT_TRUE(fakes.ticks.running);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(StartupTest, RegistryIsCheckedBeforeItIsOpened) {
    create();
    const auto& e = fakes.journal.entries;
    const auto firstCreate =
        std::find(e.begin(), e.end(), "store.createKey Software\\Vessantry\\Quorlan Lite");
    const auto lastCheck =
        std::find(e.rbegin(), e.rend(), "store.keyExists Software\\Vessantry\\Quorlan");
    ASSERT_NE(firstCreate, e.end());
    ASSERT_NE(lastCheck, e.rend());
    EXPECT_LT((lastCheck.base() - 1) - e.begin(), firstCreate - e.begin());
}

TEST_F(StartupTest, NothingRunsAndTheWindowWaitsForTheFirstTick) {
    storeCurrentSettings("0", "15");
    create();
    EXPECT_FALSE(app->announcer().speaking() || app->alarm().showing() || app->alarm().done());
    EXPECT_EQ(cfg().FAnnounceInterval, 15);
    EXPECT_FALSE(form->isVisible());
    tick(); // the window waits for the first tick
    EXPECT_TRUE(form->isVisible());
}

TEST_F(StartupTest, StartInTrayLeavesTheWindowToBeShownByNobody) {
    storeCurrentSettings("1");
    create();
    fakes.ticks.fire();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(StartupTest, SelectedLanguageOutOfRangeFallsBackToTheFirst) {
    installVoice("Deutsch (Test)", countingSpeak);
    for (const char* stored : {"5", "-1", "2"}) {
        fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite", {{"SelLang", stored}});
        create();
        EXPECT_EQ(cfg().SelectedLanguage, 0) << stored;
        EXPECT_EQ(listedLanguages(), (QStringList{"Deutsch (Test)", "English (Test)"}));
        EXPECT_TRUE(menu("LangMenu")->actions().at(0)->isChecked()) << stored;
        EXPECT_TRUE(app->announcer().hasVoice());
        destroy();
    }
}

TEST_F(StartupTest, MissingVoiceFolderIsCreatedAndLegacyListRemoved) {
    QDir(dir.path() + "/voice").removeRecursively();
    QFile(dir.path() + "/LANG.DAT").open(QIODevice::WriteOnly);
    create();
    EXPECT_TRUE(QDir(dir.path() + "/voice").exists());
    EXPECT_FALSE(QFile::exists(dir.path() + "/LANG.DAT"));
    EXPECT_EQ(listedLanguages(), QStringList{"[No language]"});
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Error|Could not load [No language].so - time announcements will not "
                           "be available.");
    EXPECT_FALSE(action("MI_Speak")->isEnabled());
}

TEST_F(StartupTest, GlobalShortcutSettingDecidesTheSpeakShortcut) {
    storeCurrentSettings("00000000001");
    create();
    EXPECT_EQ(action("MI_Speak")->shortcut(), QKeySequence("Ctrl+Alt+S"));
    destroy();
    storeCurrentSettings("00000000000");
    create();
    EXPECT_TRUE(action("MI_Speak")->shortcut().isEmpty());
}

TEST_F(StartupTest, FirstRunPlacesTheWindowAndClosingWritesItBack) {
    fakes.desktop.size = {1280, 1024};
    create();
    EXPECT_EQ(form->pos(), QPoint(640 - 170, 512 - 72));
    EXPECT_TRUE(app->Close());
    const auto stored = [&](const char* n) {
        return fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", n).value_or("");
    };
    EXPECT_EQ(stored("BinSettings"), "000000100000");
    EXPECT_EQ(stored("LNumSettings"), "04400470010000000000");
    EXPECT_EQ(stored("SNumSettings"), "60000000004040");
    EXPECT_EQ(stored("CurrentVer"), "2.6");
    EXPECT_EQ(stored("InstallDir"), (dir.path() + "/").toStdString());
}

TEST_F(StartupTest, CloseWhileSpeakingIsDeferredUntilTheTickAfterSpeech) {
    storeCurrentSettings();
    create();
    startSpeaking();
    EXPECT_FALSE(fakes.closeBridge.request());
    EXPECT_FALSE(fakes.store.valueExists("Software\\Vessantry\\Quorlan Lite", "LNumSettings"));
    fakes.ticks.fire();
    EXPECT_FALSE(app->closed());
    stopSpeaking();
    fakes.ticks.fire();
    EXPECT_TRUE(app->closed());
    EXPECT_TRUE(fakes.store.valueExists("Software\\Vessantry\\Quorlan Lite", "LNumSettings"));
}

// Steps 18-19: the stored "always on top" and transparency apply from the start. A level below
// the dialog's minimum of 50 would start an invisible window: it shows at 50 and stays stored.
TEST_F(StartupTest, StoredOnTopAndTransparencyApplyFromTheStart) {
    struct Row {
        const char* flags;
        const char* level;
        bool onTop;
        double opacity;
    } rows[] = {
        {"010000000001", "0120", true, 120 / 255.0}, {"000000000001", "0020", false, 50 / 255.0},
        {"000000000001", "0000", false, 50 / 255.0}, {"000000000001", "0049", false, 50 / 255.0},
        {"000000000001", "0050", false, 50 / 255.0}, {"000000000000", "0020", false, 1.0},
        {"010000000000", "0255", true, 1.0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.flags) + " " + r.level);
        const std::string longNumbers = std::string("0100010001000000") + r.level;
        fakes.store.writeValues(
            "Software\\Vessantry\\Quorlan Lite",
            {{"BinSettings", r.flags}, {"LNumSettings", longNumbers}, {"CurrentVer", "2.6"}});
        create();
        EXPECT_EQ(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint), r.onTop);
        EXPECT_NEAR(form->windowOpacity(), r.opacity, 0.002);
        EXPECT_TRUE(app->Close());
        EXPECT_EQ(fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", "LNumSettings")
                      .value_or("")
                      .substr(16),
                  r.level);
        destroy();
    }
}

// A window stored in the last pixels of the desktop, at its edge or beyond is pulled wholly
// onto it (1280 x 1024; the frameless big face is 292 x 130, the small one 150 x 40).
TEST_F(StartupTest, StoredPositionIsPulledWhollyOntoTheDesktop) {
    struct Row {
        const char* flags;
        const char* shortNumbers;
        const char* topLeft;
        QPoint placed;
    } rows[] = {
        {"000000100000", "", "10001250", {988, 894}},
        {"000000100000", "", "10241280", {988, 894}},
        {"000000100000", "", "50000010", {10, 894}},
        {"000000100000", "", "-008-008", {0, 0}},
        {"000000100000", "", "01000100", {100, 100}},
        {"000000100000", "", "08940988", {988, 894}},
        {"000000100000", "60000001", "10001250", {1130, 984}},
    };
    fakes.desktop.size = {1280, 1024};
    for (const Row& r : rows) {
        SCOPED_TRACE(std::string(r.topLeft) + " small " + r.shortNumbers);
        fakes.store.writeValues("Software\\Vessantry\\Quorlan Lite",
                                {{"BinSettings", r.flags},
                                 {"LNumSettings", std::string(r.topLeft) + "010000000255"},
                                 {"SNumSettings", r.shortNumbers},
                                 {"CurrentVer", "2.6"}});
        create();
        EXPECT_EQ(form->pos(), r.placed);
        destroy();
    }
}

TEST_F(StartupTest, AutostartFollowsTheSettingAtClose) {
    storeCurrentSettings("000001");
    create();
    app->Close();
    EXPECT_EQ(fakes.autostart.entry, (dir.path() + "/quorlan-lite").toStdString());
    destroy();
    storeCurrentSettings("000000");
    create();
    app->Close();
    EXPECT_FALSE(fakes.autostart.entry);
}

} // namespace
} // namespace ql
