#pragma once

#include <QString>

#include <cstdint>

namespace ql {

// Every stored setting of the clock, as plain data: the codec and the dialogs work on copies.
// Initial values are those of an empty store.
struct SettingsRecord {
    bool FStartInTray = false;
    bool FOnTop = false;
    bool F24HourFormat = false;
    bool FAnnounceOn = false;
    bool FAlarmOn = false;
    bool FAutoStart = false;
    bool FWindowless = false;
    bool FShowInTaskbar = false;
    bool FTransparentButtons = false;
    bool FAnnounceBeforeAlarm = false;
    bool FGlobalShortcut = false;
    bool FBlendOn = false;

    std::uint32_t FTimerInterval = 100; // ms
    std::uint32_t FAlarmRepeat = 0;     // s
    std::int32_t FBlendValue = 0;       // 0..255
    std::int32_t FAnnounceInterval = 60;
    std::int32_t FAlarmHour = 0; // 0-23
    std::int32_t FAlarmMinute = 0;
    bool FSmallMode = false;
    std::int32_t FAlarmSound = 0; // 0 beep, 1-4 built-in, 5 wave file, else silence
    std::int32_t FSpeechVolume = 40;
    std::int32_t FReservedVolume = 40;

    QString AlarmWaveFile;
    std::int32_t SelectedLanguage = 0;

    bool operator==(const SettingsRecord&) const = default;
};

} // namespace ql
