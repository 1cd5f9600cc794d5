// SPDX-License-Identifier: GPL-3.0-or-later
#include "unit/app/MainWindowFixture.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

namespace ql {
namespace {

constexpr char kLite[] = "Software\\Vessantry\\Quorlan Lite";
constexpr char kOld[] = "Software\\Vessantry\\Quorlan";

// Records every modal window; inside each one the clock keeps ticking, as it does for real.
class FirstRunTest : public MainWindowFixture {
  protected:
    std::vector<QString> opened; // window captions, in order
    std::vector<bool> oldKeyWhileOpen;

    void SetUp() override {
        MainWindowFixture::SetUp();
        fakes.dialogs.dialog = [this](QDialog& d) {
            opened.push_back(d.windowTitle());
            oldKeyWhileOpen.push_back(fakes.store.keyExists(kOld));
            for (int i = 0; i < 3; ++i)
                tick();
            return int(QDialog::Accepted);
        };
    }
    void TearDown() override { MainWindowFixture::TearDown(); }
    void ticks(int n) {
        for (int i = 0; i < n; ++i)
            tick();
    }
};

TEST_F(FirstRunTest, EachKindOfStartOpensItsWindowOnceAtTheFirstTick) {
    struct Case {
        const char* name;
        std::function<void(MemorySettingsStore&)> store;
        std::vector<QString> windows;
        bool shown;
        bool taskbar;
    } const cases[] = {
        {"first run", [](MemorySettingsStore&) {}, {"Welcome!"}, true, false},
        {"ordinary run",
         [](MemorySettingsStore& s) {
             s.writeValues(kLite, {{"BinSettings", "00000001"}, {"CurrentVer", "2.6"}});
         },
         {},
         true,
         true},
        {"ordinary run in the tray",
         [](MemorySettingsStore& s) {
             s.writeValues(kLite, {{"BinSettings", "10000001"}, {"CurrentVer", "2.6"}});
         },
         {},
         false,
         false},
        {"upgrade, starting in the tray",
         [](MemorySettingsStore& s) {
             s.writeValues(kLite, {{"BinSettings", "1"}, {"CurrentVer", "2.5"}});
         },
         {"Thank you for upgrading"},
         false,
         false},
        {"earlier version's settings",
         [](MemorySettingsStore& s) {
             s.writeValues(kOld, {{"WindowTop", "120"}});
         },
         {"Thank you for upgrading"},
         true,
         false},
    };
    for (const Case& c : cases) {
        fakes.store = MemorySettingsStore();
        c.store(fakes.store);
        opened.clear();
        create();
        ticks(5);
        EXPECT_EQ(opened, c.windows) << c.name;
        EXPECT_EQ(form->isVisible(), c.shown) << c.name;
        if (c.shown) {
            EXPECT_EQ(fakes.taskbar.shown, c.taskbar) << c.name;
        }
        destroy();
    }
}

TEST_F(FirstRunTest, EarlierKeyGoesAfterTheUpgradeWindowAndTheNextRunIsQuiet) {
    fakes.store.writeValues(kOld, {{"WindowTop", "120"}});
    fakes.store.writeValues(std::string(kOld) + "\\Voices", {{"Speed", "3"}});
    create();
    ticks(2);
    ASSERT_EQ(opened, std::vector<QString>{"Thank you for upgrading"});
    EXPECT_EQ(oldKeyWhileOpen, std::vector<bool>{true});
    EXPECT_FALSE(fakes.store.keyExists(kOld));
    EXPECT_FALSE(fakes.store.keyExists(std::string(kOld) + "\\Voices"));
    EXPECT_TRUE(fakes.store.keyExists(kLite));
    app->Close();
    destroy();
    opened.clear();
    create();
    ticks(3);
    EXPECT_TRUE(opened.empty());
}

TEST_F(FirstRunTest, OrdinaryRunShowsTheWindowOnlyOnce) {
    storeCurrentSettings("00000001");
    create();
    tick();
    ASSERT_TRUE(form->isVisible());
    menu("MainPopupMenu")->findChild<QAction*>("Minimizetotray1")->trigger();
    ticks(5);
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(opened.empty());
}

} // namespace
} // namespace ql
