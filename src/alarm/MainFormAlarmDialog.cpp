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
    TAlarmForm form(*this);
    followTaskbarSetting();
    fillAlarmForm(form);
    const bool confirmed = runModal(form) == QDialog::Accepted;
    if (confirmed) {
        readAlarmForm(form);
        FormPaint();
    }
    followTaskbarSetting();
    if (confirmed) SaveSettings();
}

void TMainForm::fillAlarmForm(TAlarmForm& f) {
    f.AlarmCheck->setChecked(FAlarmOn);
    if (!FAlarmOn) f.AlarmCheckClick();
    f.AnnCheck->setChecked(FAnnounceOn);
    f.AlarmAnnCheck->setChecked(FAnnounceBeforeAlarm);
    if (!FAnnounceOn) f.AnnCheckClick();
    const HourEntry hour = hourToEntry(FAlarmHour, F24HourFormat);
    f.HourUpDown->setMax(F24HourFormat ? 23 : 12);
    f.HourUpDown->setMin(F24HourFormat ? 0 : 1);
    (hour.pm ? f.PMRadio : f.AMRadio)->setChecked(true);
    f.HourUpDown->setPosition(hour.position);
    f.MinUpDown->setPosition(FAlarmMinute);
    f.AnnUpDown->setPosition(FAnnounceInterval);
    f.AlarmSoundCombo->setCurrentIndex(within(FAlarmSound, 0, 5) ? FAlarmSound : -1);
    f.WaveFileEdit->setText(AlarmWaveFile);
    f.AlmIntUpDown->setPosition(static_cast<int>(FAlarmRepeat));
    if (FAlarmSound != 5) {
        f.WaveFileEdit->setEnabled(false);
        f.BrButton->setEnabled(false);
    }
    f.AMRadio->setVisible(!F24HourFormat);
    f.PMRadio->setVisible(!F24HourFormat);
}

void TMainForm::readAlarmForm(const TAlarmForm& f) {
    AlarmWaveFile = f.WaveFileEdit->text();
    FAlarmOn = f.AlarmCheck->isChecked();
    FAnnounceOn = f.AnnCheck->isChecked();
    FAnnounceBeforeAlarm = f.AlarmAnnCheck->isChecked();
    FAlarmSound = f.AlarmSoundCombo->currentIndex();
    if (const int v = readField(f.AnnEdit); within(v, 1, 60)) FAnnounceInterval = v;
    FAlarmHour = hourFromEntry(readField(f.HourEdit), F24HourFormat, f.PMRadio->isChecked());
    if (const int v = readField(f.MinEdit); within(v, 0, 59)) FAlarmMinute = v;
    if (const int v = readField(f.AlarmIntEdit); within(v, 0, 60))
        FAlarmRepeat = static_cast<std::uint32_t>(v);
}

} // namespace ql
