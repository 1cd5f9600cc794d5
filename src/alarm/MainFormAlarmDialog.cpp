#include "app/MainForm.h"

#include "alarm/AlarmHour.h"
#include "alarm/NumberField.h"
#include "alarm/TAlarmForm.h"
#include "alarm/TUpDown.h"
#include "common/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace ql {
namespace {

int readField(const QLineEdit* edit) {
    return readNumberField(edit->text()).value;
}

bool within(int value, int min, int max) {
    return value >= min && value <= max;
}

} // namespace

// Copies the settings into the dialog and, on OK only, back; Cancel leaves every one alone.
void TMainForm::AlarmButtonClick() {
    if (raiseIfOpen<TAlarmForm>()) return;
    TAlarmForm form(*this);
    followTaskbarSetting();
    fillAlarmForm(form);
    const bool confirmed = runModal(form) == QDialog::Accepted;
    if (FClosed) return;
    if (confirmed) {
        readAlarmForm(form);
        FormPaint();
    }
    followTaskbarSetting();
    if (confirmed) SaveSettings();
}

void TMainForm::fillAlarmForm(TAlarmForm& f) {
    f.AlarmCheck->setChecked(cfg().FAlarmOn);
    if (!cfg().FAlarmOn) f.AlarmCheckClick();
    f.AnnCheck->setChecked(cfg().FAnnounceOn);
    f.AlarmAnnCheck->setChecked(cfg().FAnnounceBeforeAlarm);
    if (!cfg().FAnnounceOn) f.AnnCheckClick();
    const HourEntry hour = hourToEntry(cfg().FAlarmHour, cfg().F24HourFormat);
    f.HourUpDown->setMax(cfg().F24HourFormat ? 23 : 12);
    f.HourUpDown->setMin(cfg().F24HourFormat ? 0 : 1);
    (hour.pm ? f.PMRadio : f.AMRadio)->setChecked(true);
    f.HourUpDown->setPosition(hour.position);
    f.MinUpDown->setPosition(cfg().FAlarmMinute);
    f.AnnUpDown->setPosition(cfg().FAnnounceInterval);
    f.AlarmSoundCombo->setCurrentIndex(within(cfg().FAlarmSound, 0, 5) ? cfg().FAlarmSound : -1);
    f.WaveFileEdit->setText(cfg().AlarmWaveFile);
    f.AlmIntUpDown->setPosition(static_cast<int>(cfg().FAlarmRepeat));
    if (cfg().FAlarmSound != 5) {
        f.WaveFileEdit->setEnabled(false);
        f.BrButton->setEnabled(false);
    }
    f.AMRadio->setVisible(!cfg().F24HourFormat);
    f.PMRadio->setVisible(!cfg().F24HourFormat);
}

void TMainForm::readAlarmForm(const TAlarmForm& f) {
    SettingsRecord r = cfg();
    r.AlarmWaveFile = f.WaveFileEdit->text();
    r.FAlarmOn = f.AlarmCheck->isChecked();
    r.FAnnounceOn = f.AnnCheck->isChecked();
    r.FAnnounceBeforeAlarm = f.AlarmAnnCheck->isChecked();
    r.FAlarmSound = f.AlarmSoundCombo->currentIndex();
    if (const int v = readField(f.AnnEdit); within(v, 1, 60)) r.FAnnounceInterval = v;
    r.FAlarmHour = hourFromEntry(readField(f.HourEdit), r.F24HourFormat, f.PMRadio->isChecked());
    if (const int v = readField(f.MinEdit); within(v, 0, 59)) r.FAlarmMinute = v;
    if (const int v = readField(f.AlarmIntEdit); within(v, 0, 60))
        r.FAlarmRepeat = static_cast<std::uint32_t>(v);
    editSettings([&r](SettingsRecord& current) { current = r; });
}

} // namespace ql
