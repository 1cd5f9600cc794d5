// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/Settings.h"

namespace ql {

void Settings::assign(const SettingsRecord& record) {
    if (record == record_) return;
    const SettingsChange change = SettingsChange::between(record_, record);
    record_ = record;
    emit changed(change);
}

} // namespace ql
