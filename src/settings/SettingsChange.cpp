// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsChange.h"

namespace ql {
namespace {

bool differs(const Setting& s, const SettingsRecord& a, const SettingsRecord& b) {
    return std::visit(
        [&](auto member) {
            if constexpr (std::is_same_v<decltype(member), std::monostate>)
                return false;
            else
                return a.*member != b.*member;
        },
        s.field);
}

} // namespace

SettingsChange SettingsChange::between(const SettingsRecord& before, const SettingsRecord& after) {
    const auto rows = allSettings();
    SettingsChange change;
    for (std::size_t i = 0; i < rows.size(); ++i)
        change.rows_[i] = differs(rows[i], before, after);
    return change;
}

SettingsChange SettingsChange::everything() {
    SettingsChange change;
    change.rows_.set();
    return change;
}

bool SettingsChange::has(SettingField field) const {
    const auto rows = allSettings();
    return rows_[static_cast<std::size_t>(&settingOf(field) - rows.data())];
}

} // namespace ql
