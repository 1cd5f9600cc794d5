// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <vector>

namespace ql {
namespace {

// Observers act on `changed`, so it must come for every real change, only then, and name just
// the settings that differ.
TEST(Settings, ChangedComesOnlyWhenAValueDiffersAndNamesIt) {
    using R = SettingsRecord;
    Settings settings;
    std::vector<SettingsChange> changes;
    QObject::connect(&settings, &Settings::changed,
                     [&](const SettingsChange& c) { changes.push_back(c); });
    settings.edit([](SettingsRecord& r) { r.FAlarmHour = 7; });
    settings.edit([](SettingsRecord& r) { r.FAlarmHour = 7; });
    SettingsRecord copy = settings.values();
    settings.assign(copy);
    copy.AlarmWaveFile = "/home/ann/gong.wav";
    copy.FOnTop = true;
    settings.assign(copy);
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_TRUE(changes[0].has(&R::FAlarmHour));
    EXPECT_FALSE(changes[0].hasAny(&R::FAlarmMinute, &R::AlarmWaveFile, &R::FOnTop));
    EXPECT_TRUE(changes[1].has(&R::AlarmWaveFile));
    EXPECT_TRUE(changes[1].has(&R::FOnTop));
    EXPECT_FALSE(changes[1].hasAny(&R::FAlarmHour, &R::FStartInTray, &R::SelectedLanguage));
    EXPECT_EQ(settings.values().FAlarmHour, 7);
    EXPECT_EQ(settings.values().AlarmWaveFile, "/home/ann/gong.wav");
}

} // namespace
} // namespace ql
