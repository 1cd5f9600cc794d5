// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsTable.h"

#include <bitset>

namespace ql {

// Which settings one change of the record touched, by their rows of the settings table, so that
// an observer asks for its own settings instead of keeping a copy to compare.
class SettingsChange {
  public:
    static constexpr std::size_t kMaxRows = 64;

    static SettingsChange between(const SettingsRecord& before, const SettingsRecord& after);
    // For an observer that starts to follow: everything is news to it.
    static SettingsChange everything();

    bool has(SettingField field) const;
    template <typename... Fields> bool hasAny(Fields... fields) const {
        return (has(fields) || ...);
    }
    bool empty() const { return rows_.none(); }

  private:
    std::bitset<kMaxRows> rows_;
};

} // namespace ql
