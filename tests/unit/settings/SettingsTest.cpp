// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

#include <gtest/gtest.h>

namespace ql {
namespace {

// Views repaint on `changed`, so it must come for every real change and only then.
TEST(Settings, ChangedComesOnlyWhenAValueDiffers) {
    Settings settings;
    int changes = 0;
    QObject::connect(&settings, &Settings::changed, [&] { ++changes; });
    settings.edit([](SettingsRecord& r) { r.FAlarmHour = 7; });
    settings.edit([](SettingsRecord& r) { r.FAlarmHour = 7; });
    SettingsRecord copy = settings.values();
    settings.assign(copy);
    copy.AlarmWaveFile = "/home/ann/gong.wav";
    settings.assign(copy);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(settings.values().FAlarmHour, 7);
    EXPECT_EQ(settings.values().AlarmWaveFile, "/home/ann/gong.wav");
}

} // namespace
} // namespace ql
