// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsRecord.h"

#include <algorithm>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

namespace ql {

struct ValueRange {
    long min = 0;
    long max = 0;
    constexpr bool holds(long v) const { return v >= min && v <= max; }
    constexpr long limit(long v) const { return std::clamp(v, min, max); }
};

// A store value that packs several settings into fixed-width fields, one after the other.
struct PackedValue {
    const char* name;
    int width; // characters per field
    int fields;
    ValueRange fits; // what a field's characters can hold
    std::size_t length() const { return static_cast<std::size_t>(width * fields); }
};

inline constexpr PackedValue kBinSettings{"BinSettings", 1, 12, {0, 1}};
inline constexpr PackedValue kLNumSettings{"LNumSettings", 4, 5, {-999, 9999}};
inline constexpr PackedValue kSNumSettings{"SNumSettings", 2, 7, {0, 99}};
// "HHMMHHMM": quiet from, quiet until.
inline constexpr PackedValue kQuietHours{"QuietHours", 2, 4, {0, 99}};
inline constexpr int kEveryDay = 0x7F;

// The record member a setting lives in; its type is the setting's type. None for the window
// position, which the window itself keeps.
using SettingField =
    std::variant<std::monostate, bool SettingsRecord::*, std::uint32_t SettingsRecord::*,
                 std::int32_t SettingsRecord::*, QString SettingsRecord::*>;

inline constexpr int kOwnValue = -1;

// Everything known about one stored setting. Text settings use only name, field and value.
struct Setting {
    const char* name;
    SettingField field;
    const char* value; // the store value holding it
    int position;      // its field in a packed value, first 0; kOwnValue: the value is its own
    ValueRange stored; // what reading accepts
    long otherwise;    // what a stored value outside `stored`, or not a number, becomes
    long absent;       // what a new record holds: the outcome of an empty store
    std::optional<ValueRange> dialog = {}; // what the dialogs offer, where it is narrower
    // What a value outside `stored` is saved as; none: limited to what its field can hold.
    std::optional<long> savedOutside = {};

    ValueRange offered() const { return dialog.value_or(stored); }
    bool isText() const { return std::holds_alternative<QString SettingsRecord::*>(field); }
    bool packedIn(const PackedValue& p) const { return std::string_view(value) == p.name; }
};

std::span<const Setting> allSettings();
// The setting kept in the given member; every member has one.
const Setting& settingOf(SettingField field);
// The setting at a field of a packed value.
const Setting& settingAt(const PackedValue& packed, int position);

// A setting's member as a number (false 0, true 1); 0 for one without a member or a text.
long fieldValue(const Setting& s, const SettingsRecord& r);
void setFieldValue(const Setting& s, SettingsRecord& r, long v);

} // namespace ql
