// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/SettingsTable.h"

#include <QGroupBox>
#include <QList>

#include <array>

class QCheckBox;
class QLineEdit;

namespace ql {

class UpDownButtons;

// The alarm dialog's later options: quiet hours and weekdays for announcements, the chime,
// the alarm's weekdays and the snooze length. Shows a record and writes the user's changes back.
class MoreOptionsGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit MoreOptionsGroup(QWidget* parent);

    void fill(const SettingsRecord& s);
    // A field left empty or out of range keeps what the record held.
    void store(SettingsRecord& r) const;

    // The number fields checked as the user types, with the largest number each takes.
    struct Field {
        QLineEdit* edit;
        long max;
    };
    QList<Field> numberFields() const;
    QList<QWidget*> tabOrder() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct TimeEntry {
        QLineEdit* hour = nullptr;
        UpDownButtons* hourUpDown = nullptr;
        QLineEdit* minute = nullptr;
        UpDownButtons* minuteUpDown = nullptr;
    };
    using DayChecks = std::array<QCheckBox*, 7>;

    // An hour and a minute field with their arrows; `fields` give their ranges.
    TimeEntry timeEntry(const char* name, int left, const QString& spoken,
                        std::array<SettingField, 2> fields);
    void dayHeadings(int top);
    DayChecks dayChecks(const char* name, int top, const QString& spoken);
    void padTimes();

    TimeEntry quietFrom_;
    TimeEntry quietUntil_;
    DayChecks announceDays_{};
    QCheckBox* chimeCheck_ = nullptr;
    DayChecks alarmDays_{};
    QLineEdit* snoozeEdit_ = nullptr;
    UpDownButtons* snoozeUpDown_ = nullptr;
};

} // namespace ql
