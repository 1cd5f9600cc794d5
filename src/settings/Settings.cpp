// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

namespace ql {

void Settings::assign(const SettingsRecord& record) {
    const SettingsChange change = SettingsChange::between(record_, record);
    if (change.empty()) return;
    record_ = record;
    emit changed(change);
}

} // namespace ql
