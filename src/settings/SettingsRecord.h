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

    // Periodic announcements are skipped from the first time up to the second; equal times mean
    // none. The range may cross midnight.
    std::int32_t quietFromHour;
    std::int32_t quietFromMinute;
    std::int32_t quietUntilHour;
    std::int32_t quietUntilMinute;
    std::int32_t announceDays; // weekdays, Monday bit 0 .. Sunday bit 6
    std::int32_t alarmDays;    // the same
    std::int32_t snoozeMinutes;
    bool chimeOn; // a short chime before each periodic announcement

    bool operator==(const SettingsRecord&) const = default;
};

} // namespace ql
