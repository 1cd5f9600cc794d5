// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/StoredSettings.h"

#include "fakes/FakePlatform.h"
#include "platform/DesktopGeometry.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

class StoredSettingsTest : public ::testing::Test {
  protected:
    MemorySettingsStore store;
    FakeAutostart autostart;
    Settings settings;
    StoredSettings stored{settings, store, autostart, "/opt/ql/quorlan-lite", "/opt/ql/"};

    std::string value(const char* name) {
        return store.readValue(kSettingsKey, name).value_or("<none>");
    }
    void open() {
        stored.CheckRegistry();
        stored.OpenRegistry({1920, 1080});
    }
};

// The window's position is asked for at each save: a drag or the window manager may have moved
// it since the last one. Before a window answers, the position read at start is kept.
TEST_F(StoredSettingsTest, SavesThePositionOfTheMomentOrTheOneRead) {
    store.writeValues(
        kSettingsKey,
        {{"BinSettings", "0"}, {"LNumSettings", "02003000010000000128"}, {"CurrentVer", "2.6"}});
    open();
    stored.SaveSettings();
    EXPECT_EQ(value("LNumSettings").substr(0, 8), "02003000");
    WindowPosition at{40, 50};
    stored.setWindowPosition([&at] { return at; });
    stored.SaveSettings();
    EXPECT_EQ(value("LNumSettings").substr(0, 8), "00400050");
    at = {7, 8};
    stored.SaveSettings();
    EXPECT_EQ(value("LNumSettings").substr(0, 8), "00070008");
    EXPECT_EQ(value("InstallDir"), "/opt/ql/");
    // Start-up's own changes wait for the save at the end; after it, each change is saved.
    settings.edit([](SettingsRecord& r) { r.FOnTop = true; });
    EXPECT_EQ(value("BinSettings").substr(0, 2), "00");
    stored.saveEachChange();
    at = {9, 9};
    settings.edit([](SettingsRecord& r) { r.F24HourFormat = true; });
    EXPECT_EQ(value("BinSettings").substr(0, 3), "011");
    EXPECT_EQ(value("LNumSettings").substr(0, 8), "00090009");
}

TEST_F(StoredSettingsTest, OpeningReplacesTheSettingsAndSaysWhatWasFound) {
    struct Row {
        const char* what;
        const char* key;
        const char* name;
        bool firstRun, upgraded;
    };
    const Row rows[] = {
        {"nothing stored", nullptr, nullptr, true, false},
        {"earlier version", kLegacyKey, "WindowTop", false, true},
        {"this version", kSettingsKey, "BinSettings", false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        store = MemorySettingsStore();
        if (r.key) store.writeValues(r.key, {{r.name, "1"}});
        if (r.key == kSettingsKey) store.writeValues(kSettingsKey, {{"CurrentVer", "2.6"}});
        settings.edit([](SettingsRecord& s) { s.FWindowless = false; });
        EXPECT_FALSE(stored.loaded() && r.firstRun);
        open();
        EXPECT_TRUE(stored.loaded());
        EXPECT_EQ(stored.firstRun(), r.firstRun);
        EXPECT_EQ(stored.upgraded(), r.upgraded);
        // A first run starts windowless; anything stored decides for itself.
        EXPECT_EQ(settings.values().FWindowless, r.firstRun);
    }
}

TEST_F(StoredSettingsTest, TheEarlierVersionIsForgottenAndTheNewKept) {
    store.writeValues(kLegacyKey, {{"WindowTop", "10"}});
    open();
    stored.SaveSettings();
    stored.forgetEarlierVersion();
    EXPECT_FALSE(store.keyExists(kLegacyKey));
    EXPECT_TRUE(store.valueExists(kSettingsKey, "BinSettings"));
    stored.forgetEarlierVersion(); // already gone: nothing to do, nothing breaks
    EXPECT_FALSE(store.keyExists(kLegacyKey));
}

} // namespace
} // namespace ql
