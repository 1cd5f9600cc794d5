// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/MoreOptionsGroup.h"

#include "alarm/FormControls.h"
#include "alarm/NumberField.h"
#include "alarm/UpDownButtons.h"
#include "common/DialogLayout.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace ql {
namespace {

constexpr const char* kShortDays[7] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
constexpr const char* kDays[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                  "Friday", "Saturday", "Sunday"};

// Where the fields start, right of the longest caption ("Not between").
constexpr int kFieldLeft = 76;
constexpr int kDayColumn = 33;

int dayCentre(int day) {
    return kFieldLeft + kDayColumn * day + kDayColumn / 2;
}

QByteArray named(const char* prefix, const char* rest) {
    return QByteArray(prefix) + rest;
}

// Empty or malformed text, or a number outside the setting's range, keeps the old value: an
// emptied field must not turn into midnight or a zero-minute snooze.
void take(SettingField field, const QLineEdit* edit, SettingsRecord& r) {
    const NumberField n = readNumberField(edit->text());
    if (n.valid && offered(field).holds(n.value)) setFieldValue(settingOf(field), r, n.value);
}

void showDays(const std::array<QCheckBox*, 7>& checks, int mask) {
    for (int day = 0; day < 7; ++day)
        checks[day]->setChecked(mask & (1 << day));
}

int daysOf(const std::array<QCheckBox*, 7>& checks) {
    int mask = 0;
    for (int day = 0; day < 7; ++day)
        if (checks[day]->isChecked()) mask |= 1 << day;
    return mask;
}

} // namespace

// The weekdays are a grid: their names head the columns, one row for announcements, one for the
// alarm, so seven boxes fit across the dialog's width.
MoreOptionsGroup::MoreOptionsGroup(QWidget* parent) : QGroupBox("More options", parent) {
    boldCaption(this);
    label(this, "QuietLabel", "Not between", {9, 24});
    quietFrom_ = timeEntry("QuietFrom", kFieldLeft, "No announcements from",
                           {&SettingsRecord::quietFromHour, &SettingsRecord::quietFromMinute});
    label(this, "AndLabel", "and", {kFieldLeft + 106, 24});
    quietUntil_ = timeEntry("QuietUntil", kFieldLeft + 128, "No announcements until",
                            {&SettingsRecord::quietUntilHour, &SettingsRecord::quietUntilMinute});
    dayHeadings(48);
    label(this, "AnnDaysLabel", "Only on", {9, 66});
    announceDays_ = dayChecks("AnnDay", 64, "Announce on");
    label(this, "AlarmDaysLabel", "Ring on", {9, 88});
    alarmDays_ = dayChecks("AlarmDay", 86, "Ring on");
    chimeCheck_ = place(new QCheckBox("Chime before each announcement", this), "ChimeCheck",
                        {8, 110, 257, 17});
    label(this, "SnoozeLabel", "Snooze for", {9, 138});
    snoozeEdit_ = numberEdit(this, "SnoozeEdit", {kFieldLeft, 134, 29, 22}, {});
    snoozeUpDown_ = upDown(this, "SnoozeUpDown", {kFieldLeft + 29, 134, 15, 22}, snoozeEdit_,
                           "Snooze for (minutes)");
    setRange(snoozeUpDown_, offered(&SettingsRecord::snoozeMinutes));
    label(this, "SnoozeMinLabel", "minutes", {kFieldLeft + 52, 138});
    plainContents(this);
}

MoreOptionsGroup::TimeEntry MoreOptionsGroup::timeEntry(const char* name, int left,
                                                        const QString& spoken,
                                                        std::array<SettingField, 2> fields) {
    TimeEntry t;
    t.hour = numberEdit(this, named(name, "HourEdit").constData(), {left, 20, 29, 22}, {});
    t.hourUpDown = upDown(this, named(name, "HourUpDown").constData(), {left + 29, 20, 16, 22},
                          t.hour, spoken + " (hour)");
    setRange(t.hourUpDown, offered(fields[0]));
    label(this, named(name, "Colon").constData(), ":", {left + 48, 24});
    t.minute = numberEdit(this, named(name, "MinEdit").constData(), {left + 54, 20, 29, 22}, {});
    t.minuteUpDown = upDown(this, named(name, "MinUpDown").constData(), {left + 83, 20, 16, 22},
                            t.minute, spoken + " (minute)");
    setRange(t.minuteUpDown, offered(fields[1]));
    for (UpDownButtons* ud : {t.hourUpDown, t.minuteUpDown}) {
        ud->setWrap(true);
        connect(ud, &UpDownButtons::clicked, this, &MoreOptionsGroup::padTimes);
    }
    t.hour->installEventFilter(this);
    t.minute->installEventFilter(this);
    return t;
}

void MoreOptionsGroup::dayHeadings(int top) {
    for (int day = 0; day < 7; ++day) {
        QLabel* heading =
            label(this, named("DayLabel", kShortDays[day]).constData(), kShortDays[day], {0, top});
        heading->move(dayCentre(day) - heading->width() / 2, top);
    }
}

// Boxes without text: the column's heading names the day, the accessible name says it in full.
MoreOptionsGroup::DayChecks MoreOptionsGroup::dayChecks(const char* name, int top,
                                                        const QString& spoken) {
    DayChecks checks{};
    for (int day = 0; day < 7; ++day) {
        checks[day] = place(new QCheckBox(this), named(name, kShortDays[day]).constData(),
                            {dayCentre(day) - 8, top, 17, 17});
        checks[day]->setAccessibleName(spoken + ' ' + kDays[day]);
    }
    return checks;
}

// Times read as HH:MM while the user is not typing in them.
void MoreOptionsGroup::padTimes() {
    for (const TimeEntry* t : {&quietFrom_, &quietUntil_}) {
        padDigit(t->hour);
        padDigit(t->minute);
    }
}

bool MoreOptionsGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) padTimes();
    return QGroupBox::eventFilter(watched, event);
}

void MoreOptionsGroup::fill(const SettingsRecord& s) {
    quietFrom_.hourUpDown->setPosition(s.quietFromHour);
    quietFrom_.minuteUpDown->setPosition(s.quietFromMinute);
    quietUntil_.hourUpDown->setPosition(s.quietUntilHour);
    quietUntil_.minuteUpDown->setPosition(s.quietUntilMinute);
    padTimes();
    showDays(announceDays_, s.announceDays);
    chimeCheck_->setChecked(s.chimeOn);
    showDays(alarmDays_, s.alarmDays);
    snoozeUpDown_->setPosition(s.snoozeMinutes);
}

void MoreOptionsGroup::store(SettingsRecord& r) const {
    take(&SettingsRecord::quietFromHour, quietFrom_.hour, r);
    take(&SettingsRecord::quietFromMinute, quietFrom_.minute, r);
    take(&SettingsRecord::quietUntilHour, quietUntil_.hour, r);
    take(&SettingsRecord::quietUntilMinute, quietUntil_.minute, r);
    r.announceDays = daysOf(announceDays_);
    r.chimeOn = chimeCheck_->isChecked();
    r.alarmDays = daysOf(alarmDays_);
    take(&SettingsRecord::snoozeMinutes, snoozeEdit_, r);
}

QList<MoreOptionsGroup::Field> MoreOptionsGroup::numberFields() const {
    const auto max = [](SettingField f) { return offered(f).max; };
    return {{quietFrom_.hour, max(&SettingsRecord::quietFromHour)},
            {quietFrom_.minute, max(&SettingsRecord::quietFromMinute)},
            {quietUntil_.hour, max(&SettingsRecord::quietUntilHour)},
            {quietUntil_.minute, max(&SettingsRecord::quietUntilMinute)},
            {snoozeEdit_, max(&SettingsRecord::snoozeMinutes)}};
}

QList<QWidget*> MoreOptionsGroup::tabOrder() const {
    QList<QWidget*> order;
    for (const TimeEntry* t : {&quietFrom_, &quietUntil_})
        order << t->hour << t->hourUpDown << t->minute << t->minuteUpDown;
    for (const DayChecks* days : {&announceDays_, &alarmDays_})
        for (QCheckBox* c : *days)
            order << c;
    order << chimeCheck_ << snoozeEdit_ << snoozeUpDown_;
    return order;
}

} // namespace ql
