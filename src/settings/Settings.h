// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsChange.h"
#include "settings/SettingsRecord.h"

#include <QObject>

namespace ql {

// The clock's settings, owned by the composition root. Readers hold it const; every change goes
// through assign() or edit(), so `changed` reaches every observer
// with what it touched.
class Settings : public QObject {
    Q_OBJECT
  public:
    explicit Settings(QObject* parent = nullptr) : QObject(parent) {}

    const SettingsRecord& values() const { return record_; }
    // Emits changed when anything differs.
    void assign(const SettingsRecord& record);
    template <typename Edit> void edit(Edit change) {
        SettingsRecord next = record_;
        change(next);
        assign(next);
    }

  signals:
    void changed(const ql::SettingsChange& change);

  private:
    SettingsRecord record_;
};

} // namespace ql
