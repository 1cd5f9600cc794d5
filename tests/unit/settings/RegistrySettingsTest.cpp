// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RegistrySettings.h"

#include "fakes/FakePlatform.h"
#include "platform/DesktopGeometry.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

class RegistrySettingsTest : public ::testing::Test {
  protected:
    MemorySettingsStore store;
    FakeAutostart autostart;
    RegistrySettings settings{store, autostart};
    SettingsRecord rec;

    void put(const char* key, const char* name, const char* text) {
        store.writeValues(key, {{name, text}});
    }
    std::string value(const char* name) {
        return store.readValue(kSettingsKey, name).value_or("<none>");
    }
};

TEST_F(RegistrySettingsTest, NothingStoredIsAFirstRunWithDefaults) {
    ASSERT_TRUE(settings.isFirstRun());
    const auto loaded = settings.load(rec, true, {1920, 1080});
    EXPECT_FALSE(loaded.upgraded);
    EXPECT_EQ(value("CurrentVer"), "2.6");
    EXPECT_EQ(loaded.window.top, 1080 / 2 - 72);
    EXPECT_EQ(loaded.window.left, 1920 / 2 - 170);
    EXPECT_TRUE(rec.FWindowless);
    EXPECT_EQ(SettingsCodec::encodeFlags(rec), "000000100000");
    EXPECT_EQ(rec.FTimerInterval, 100u);
    EXPECT_EQ(rec.FBlendValue, 0);
    EXPECT_EQ(SettingsCodec::encodeShort(rec), "60000000004040");
}

TEST_F(RegistrySettingsTest, FirstRunCentresOnOddDesktopsByTruncation) {
    const auto loaded = settings.load(rec, true, {1281, 1025});
    EXPECT_EQ(loaded.window.top, 512 - 72);
    EXPECT_EQ(loaded.window.left, 640 - 170);
}

TEST_F(RegistrySettingsTest, OnlyTheEarlierVersionIsAnUpgrade) {
    put(kLegacyKey, "WindowTop", "300");
    ASSERT_FALSE(settings.isFirstRun());
    const auto loaded = settings.load(rec, false, {1920, 1080});
    EXPECT_TRUE(loaded.upgraded);
    EXPECT_EQ(loaded.window.top, 0);
    EXPECT_EQ(loaded.window.left, 0);
    EXPECT_FALSE(rec.FWindowless);
    EXPECT_EQ(SettingsCodec::encodeFlags(rec), "000000000000");
}

TEST_F(RegistrySettingsTest, AKeyWithoutItsMarkerValueIsStillAFirstRun) {
    put(kSettingsKey, "SNumSettings", "15");
    store.createKey(kLegacyKey);
    EXPECT_TRUE(settings.isFirstRun());
}

TEST_F(RegistrySettingsTest, VersionDecidesUpgradeAndIsWrittenOnlyWhenDifferent) {
    struct Row {
        const char* stored;
        bool upgraded;
    } rows[] = {{"2.5", true}, {"2.7", true}, {"", true}, {"2.6", false}, {"2.60", true}};
    for (const auto& r : rows) {
        MemorySettingsStore s;
        s.writeValues(kSettingsKey, {{"BinSettings", "0"}, {"CurrentVer", r.stored}});
        RegistrySettings rs(s, autostart);
        SettingsRecord record;
        EXPECT_EQ(rs.load(record, rs.isFirstRun(), {800, 600}).upgraded, r.upgraded) << r.stored;
        EXPECT_EQ(s.readValue(kSettingsKey, "CurrentVer"), "2.6");
    }
}

TEST_F(RegistrySettingsTest, StoredVersionIsNotRewritten) {
    put(kSettingsKey, "BinSettings", "0");
    put(kSettingsKey, "CurrentVer", "2.6");
    store.failWrites = true; // any write would fail loudly in the result below
    EXPECT_FALSE(settings.load(rec, false, {800, 600}).upgraded);
}

TEST_F(RegistrySettingsTest, BadWindowNumbersGoTo100ButOtherFieldsAreRead) {
    put(kSettingsKey, "BinSettings", "1");
    put(kSettingsKey, "LNumSettings", "12ab0000010000050200");
    put(kSettingsKey, "SelLang", "abc");
    const auto loaded = settings.load(rec, false, {1920, 1080});
    EXPECT_EQ(loaded.window.top, 100);
    EXPECT_EQ(loaded.window.left, 100);
    EXPECT_EQ(rec.FAlarmRepeat, 5u);
    EXPECT_EQ(rec.FBlendValue, 200);
    EXPECT_EQ(rec.SelectedLanguage, 0);
    EXPECT_TRUE(rec.FStartInTray);
}

TEST_F(RegistrySettingsTest, StoredPositionIsPulledInside) {
    put(kSettingsKey, "BinSettings", "0");
    put(kSettingsKey, "LNumSettings", "5000-008");
    const auto loaded = settings.load(rec, false, {1920, 1080});
    EXPECT_EQ(loaded.window.top, 1030);
    EXPECT_EQ(loaded.window.left, 0);
}

TEST_F(RegistrySettingsTest, SaveWritesEveryValueAndTheAutostartEntry) {
    rec.FAutoStart = true;
    rec.FOnTop = true;
    rec.AlarmWaveFile = QString::fromUtf8("/home/ann/Sounds/gong \"ü\".wav");
    rec.SelectedLanguage = 3;
    rec.quietFromHour = 22;
    rec.quietUntilHour = 7;
    rec.quietUntilMinute = 30;
    rec.alarmDays = 0x1F;
    settings.save(rec, {120, -8}, "/opt/q/quorlan-lite", "/opt/q/");
    EXPECT_EQ(value("BinSettings"), "010001000000");
    EXPECT_EQ(value("LNumSettings"), "0120-008010000000000");
    EXPECT_EQ(value("SNumSettings"), "60000000004040");
    EXPECT_EQ(value("WaveFileName"), "/home/ann/Sounds/gong \"ü\".wav");
    EXPECT_EQ(value("SelLang"), "3");
    EXPECT_EQ(value("QuietHours"), "22000730");
    EXPECT_EQ(value("AnnounceDays"), "127");
    EXPECT_EQ(value("AlarmDays"), "31");
    EXPECT_EQ(value("SnoozeMinutes"), "9");
    EXPECT_EQ(value("Chime"), "0");
    EXPECT_EQ(value("InstallDir"), "/opt/q/");
    EXPECT_EQ(value("CurrentVer"), "<none>");
    EXPECT_EQ(autostart.entry, "/opt/q/quorlan-lite");
    rec.FAutoStart = false;
    settings.save(rec, {0, 0}, "/opt/q/quorlan-lite", "/opt/q/");
    EXPECT_FALSE(autostart.entry);
}

TEST_F(RegistrySettingsTest, SavedRecordLoadsBackUnchanged) {
    rec.FAnnounceOn = rec.FGlobalShortcut = rec.FBlendOn = true;
    rec.FTimerInterval = 250;
    rec.FAlarmRepeat = 30;
    rec.FBlendValue = 120;
    rec.FAnnounceInterval = 15;
    rec.FAlarmHour = 19;
    rec.FAlarmMinute = 5;
    rec.FSmallMode = true;
    rec.FAlarmSound = 5;
    rec.FSpeechVolume = 65;
    rec.FReservedVolume = 10;
    rec.AlarmWaveFile = "/tmp/a b.wav";
    rec.SelectedLanguage = -4;
    rec.quietFromHour = 23;
    rec.quietFromMinute = 45;
    rec.quietUntilHour = 6;
    rec.quietUntilMinute = 15;
    rec.announceDays = 0x60;
    rec.alarmDays = 0;
    rec.snoozeMinutes = 60;
    rec.chimeOn = true;
    settings.save(rec, {200, 300}, "/p", "/");
    SettingsRecord back;
    const auto loaded = settings.load(back, settings.isFirstRun(), {1920, 1080});
    EXPECT_EQ(back, rec);
    EXPECT_EQ(loaded.window.top, 200);
    EXPECT_EQ(loaded.window.left, 300);
}

TEST_F(RegistrySettingsTest, ARefusingStoreNeitherThrowsNorStopsLoading) {
    store.failWrites = true;
    EXPECT_NO_THROW(settings.load(rec, true, {800, 600}));
    EXPECT_TRUE(rec.FWindowless);
    EXPECT_NO_THROW(settings.save(rec, {0, 0}, "/p", "/"));
}

} // namespace
} // namespace ql
