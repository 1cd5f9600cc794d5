// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <cstdint>

namespace ql {

// Every stored setting of the clock, as plain data: the codec and the dialogs work on copies.
// Ranges, store places and initial values are in SettingsTable; a new record holds what an
// empty store gives.
struct SettingsRecord {
    SettingsRecord();

    bool FStartInTray;
    bool FOnTop;
    bool F24HourFormat;
    bool FAnnounceOn;
    bool FAlarmOn;
    bool FAutoStart;
    bool FWindowless;
    bool FShowInTaskbar;
    bool FTransparentButtons;
    bool FAnnounceBeforeAlarm;
    bool FGlobalShortcut;
    bool FBlendOn;

    std::uint32_t FTimerInterval; // ms
    std::uint32_t FAlarmRepeat;   // s
    std::int32_t FBlendValue;     // 0 invisible .. 255 opaque
    std::int32_t FAnnounceInterval;
    std::int32_t FAlarmHour; // always 0-23, whatever the hour format
    std::int32_t FAlarmMinute;
    bool FSmallMode;
    std::int32_t FAlarmSound; // 0 beep, 1-4 built-in, 5 wave file, else silence
    std::int32_t FSpeechVolume;
    std::int32_t FReservedVolume;

    QString AlarmWaveFile;
    std::int32_t SelectedLanguage;

    bool operator==(const SettingsRecord&) const = default;
};

} // namespace ql
