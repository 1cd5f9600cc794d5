// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopGeometry.h"
#include "settings/SettingsRecord.h"
#include "settings/SettingsTable.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ql {

struct WindowPosition {
    int top = 0;
    int left = 0;
};

// The text forms of the record in the store: the three packed values "BinSettings" (12 flags),
// "LNumSettings" (five 4-character numbers) and "SNumSettings" (seven 2-character numbers), and
// the settings with a value of their own. Each field follows its row in SettingsTable.
namespace SettingsCodec {

std::string encodeFlags(const SettingsRecord& r);
void decodeFlags(std::string text, SettingsRecord& r);

// Decimal, zero-padded to width; a negative number is '-' then the zero-padded magnitude.
std::string encodeNumber(long value, int width);
// Optional leading '-' and at least one decimal digit, nothing else.
std::optional<long> parseNumber(std::string_view text);
// Any decimal 32-bit integer with an optional sign, else nullopt.
std::optional<std::int32_t> parseInteger(std::string_view text);

std::string encodeLong(const SettingsRecord& r, WindowPosition window);
// Fills the record's fields; returns the window position as stored, or nullopt when either
// coordinate is not a number.
std::optional<WindowPosition> decodeLong(std::string text, SettingsRecord& r);

// Any packed value whose fields are all record members.
std::string encodePacked(const PackedValue& packed, const SettingsRecord& r);
void decodePacked(const PackedValue& packed, std::string text, SettingsRecord& r);

std::string encodeShort(const SettingsRecord& r);
void decodeShort(std::string text, SettingsRecord& r);

// A setting with a value of its own: a text as it is, a number in decimal.
std::string encodeOwn(const Setting& s, const SettingsRecord& r);
void decodeOwn(const Setting& s, const std::string& text, SettingsRecord& r);

// A stored position pulled inside a desktop of the given size.
WindowPosition placeOnDesktop(WindowPosition stored, int desktopWidth, int desktopHeight);
// The nearest position at which a window of the given outer size lies wholly on the desktop
// (origin 0,0); a window larger than the desktop keeps its top-left corner on it.
WindowPosition wholeOnDesktop(WindowPosition at, DesktopSize window, DesktopSize desktop);
// Monitors of different sizes leave parts of the desktop that no one can see: a window not
// wholly on the monitors goes wholly onto the one it overlaps most, or else the nearest. No
// monitors known: the position stays.
WindowPosition wholeOnMonitor(WindowPosition at, DesktopSize window,
                              const std::vector<DesktopRect>& monitors);

} // namespace SettingsCodec
} // namespace ql
