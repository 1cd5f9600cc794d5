// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsTable.h"

#include "settings/SettingsChange.h"

#include <cstdint>
#include <limits>
#include <type_traits>

namespace ql {
namespace {

using R = SettingsRecord;
constexpr ValueRange kFlag{0, 1};
constexpr ValueRange kAnyInteger{std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max()};
constexpr const char* kBin = kBinSettings.name;
constexpr const char* kLNum = kLNumSettings.name;
constexpr const char* kSNum = kSNumSettings.name;
constexpr const char* kQuiet = kQuietHours.name;

// In store order: packed values field by field, then the values of their own.
constexpr Setting kSettings[] = {
    // name, member, store value, position, stored range, otherwise, absent[, dialog range]
    {"FStartInTray", &R::FStartInTray, kBin, 0, kFlag, 0, 0},
    {"FOnTop", &R::FOnTop, kBin, 1, kFlag, 0, 0},
    {"F24HourFormat", &R::F24HourFormat, kBin, 2, kFlag, 0, 0},
    {"FAnnounceOn", &R::FAnnounceOn, kBin, 3, kFlag, 0, 0},
    {"FAlarmOn", &R::FAlarmOn, kBin, 4, kFlag, 0, 0},
    {"FAutoStart", &R::FAutoStart, kBin, 5, kFlag, 0, 0},
    {"FWindowless", &R::FWindowless, kBin, 6, kFlag, 0, 0}, // a first run turns it on
    {"FShowInTaskbar", &R::FShowInTaskbar, kBin, 7, kFlag, 0, 0},
    {"FTransparentButtons", &R::FTransparentButtons, kBin, 8, kFlag, 0, 0},
    {"FAnnounceBeforeAlarm", &R::FAnnounceBeforeAlarm, kBin, 9, kFlag, 0, 0},
    {"FGlobalShortcut", &R::FGlobalShortcut, kBin, 10, kFlag, 0, 0},
    {"FBlendOn", &R::FBlendOn, kBin, 11, kFlag, 0, 0},

    // The position goes to 100,100 when either coordinate is not a number.
    {"window top", {}, kLNum, 0, kLNumSettings.fits, 100, 0},
    {"window left", {}, kLNum, 1, kLNumSettings.fits, 100, 0},
    {"FTimerInterval", &R::FTimerInterval, kLNum, 2, {100, 1000}, 100, 100},
    {"FAlarmRepeat", &R::FAlarmRepeat, kLNum, 3, {0, 999}, 0, 0, ValueRange{0, 60}},
    // Below 50 the window would all but vanish, so neither the dialog nor the window goes lower.
    {"FBlendValue", &R::FBlendValue, kLNum, 4, {0, 255}, 255, 0, ValueRange{50, 255}},

    {"FAnnounceInterval", &R::FAnnounceInterval, kSNum, 0, {1, 60}, 60, 60},
    {"FAlarmHour", &R::FAlarmHour, kSNum, 1, {0, 23}, 0, 0},
    {"FAlarmMinute", &R::FAlarmMinute, kSNum, 2, {0, 59}, 0, 0},
    {"FSmallMode", &R::FSmallMode, kSNum, 3, kFlag, 0, 0},
    // 6 is silence; the dialog offers 0-5 and shows silence as no choice. Any other number is
    // silence too, saved as 6 so that it cannot come back as the beep.
    {"FAlarmSound", &R::FAlarmSound, kSNum, 4, {0, 6}, 1, 0, ValueRange{0, 5}, 6},
    {"FSpeechVolume", &R::FSpeechVolume, kSNum, 5, {10, 65}, 40, 40},
    {"FReservedVolume", &R::FReservedVolume, kSNum, 6, {10, 65}, 40, 40},

    {"AlarmWaveFile", &R::AlarmWaveFile, "WaveFileName", kOwnValue, {}, 0, 0},
    // Start-up also resets an index beyond the language list.
    {"SelectedLanguage", &R::SelectedLanguage, "SelLang", kOwnValue, kAnyInteger, 0, 0},

    // Added later: an older program ignores them, and a store without them reads as they were
    // before them (no quiet hours, every day, no chime).
    {"quietFromHour", &R::quietFromHour, kQuiet, 0, {0, 23}, 0, 0},
    {"quietFromMinute", &R::quietFromMinute, kQuiet, 1, {0, 59}, 0, 0},
    {"quietUntilHour", &R::quietUntilHour, kQuiet, 2, {0, 23}, 0, 0},
    {"quietUntilMinute", &R::quietUntilMinute, kQuiet, 3, {0, 59}, 0, 0},
    {"announceDays",
     &R::announceDays,
     "AnnounceDays",
     kOwnValue,
     {0, kEveryDay},
     kEveryDay,
     kEveryDay},
    {"alarmDays", &R::alarmDays, "AlarmDays", kOwnValue, {0, kEveryDay}, kEveryDay, kEveryDay},
    {"snoozeMinutes", &R::snoozeMinutes, "SnoozeMinutes", kOwnValue, {1, 60}, 9, 9},
    {"chimeOn", &R::chimeOn, "Chime", kOwnValue, kFlag, 0, 0},
};

static_assert(std::size(kSettings) <= SettingsChange::kMaxRows);

} // namespace

std::span<const Setting> allSettings() {
    return kSettings;
}

const Setting& settingOf(SettingField field) {
    return *std::find_if(std::begin(kSettings), std::end(kSettings),
                         [&](const Setting& s) { return s.field == field; });
}

const Setting& settingAt(const PackedValue& packed, int position) {
    return *std::find_if(std::begin(kSettings), std::end(kSettings), [&](const Setting& s) {
        return s.packedIn(packed) && s.position == position;
    });
}

long fieldValue(const Setting& s, const SettingsRecord& r) {
    return std::visit(
        [&](auto member) -> long {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, std::monostate> ||
                          std::is_same_v<M, QString SettingsRecord::*>)
                return 0;
            else
                return static_cast<long>(r.*member);
        },
        s.field);
}

void setFieldValue(const Setting& s, SettingsRecord& r, long v) {
    std::visit(
        [&](auto member) {
            using M = decltype(member);
            if constexpr (std::is_same_v<M, bool SettingsRecord::*>)
                r.*member = v != 0;
            else if constexpr (!std::is_same_v<M, std::monostate> &&
                               !std::is_same_v<M, QString SettingsRecord::*>)
                r.*member = static_cast<std::remove_reference_t<decltype(r.*member)>>(v);
        },
        s.field);
}

SettingsRecord::SettingsRecord() {
    for (const Setting& s : kSettings)
        setFieldValue(s, *this, s.absent);
}

} // namespace ql
