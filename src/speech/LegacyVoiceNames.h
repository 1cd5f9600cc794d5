// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace ql {

// One voice library of an earlier installation: its five-letter file name in the program folder
// and the name it carries in the voice folder, which is also its entry in the language list.
struct LegacyVoiceName {
    std::string_view oldName; // five upper-case letters + ".SO"
    std::string_view newName; // "Language (voice).so"
};

extern const std::array<LegacyVoiceName, 41> LegacyVoiceNames;

} // namespace ql
