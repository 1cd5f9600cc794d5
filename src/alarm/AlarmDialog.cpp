// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/AlarmDialog.h"

#include "alarm/AlarmHour.h"
#include "alarm/FormControls.h"
#include "alarm/FormPlacement.h"
#include "alarm/MoreOptionsGroup.h"
#include "alarm/NumberField.h"
#include "alarm/UpDownButtons.h"
#include "common/DialogLayout.h"
#include "common/Dialogs.h"
#include "settings/SettingsTable.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

namespace ql {

namespace {

QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* box = place(new QGroupBox(title, parent), name, geometry);
    boldCaption(box);
    return box;
}

} // namespace

AlarmDialog::AlarmDialog(QWidget* parent, const SettingsRecord& settings, Dialogs& dialogs,
                         Actions actions)
    : QDialog(parent), settings_(settings), dialogs_(dialogs), actions_(std::move(actions)) {
    setObjectName("AlarmForm");
    setWindowTitle("Alarm and announce settings");
    setFont(alarmFormFont());
    // The later options go below everything else, so the rest keeps its place.
    setFixedSize(332, 470);
    createAlarmGroup();
    createAnnounceGroup();
    createOptionsGroup();
    createButtons();
    moreGroup_ = place(new MoreOptionsGroup(this), "GroupBox4", {8, 296, 317, 166});
    for (QGroupBox* box : {alarmGroup_, announceGroup_, optionsGroup_})
        plainContents(box);
    connectHandlers();
    orderTabs();
    centreOnScreen(*this);
    fill();
}

void AlarmDialog::createAlarmGroup() {
    alarmGroup_ = groupBox(this, "GroupBox1", "Alarm", {8, 12, 161, 93});
    alarmCheck_ = place(new QCheckBox("Alarm on", alarmGroup_), "AlarmCheck", {8, 20, 97, 17});
    label(alarmGroup_, "Label1", "Hour", {8, 44});
    hourEdit_ = numberEdit(alarmGroup_, "HourEdit", {8, 60, 29, 22}, "0");
    hourUpDown_ = upDown(alarmGroup_, "HourUpDown", {37, 60, 16, 22}, hourEdit_, "Hour");
    hourUpDown_->setWrap(true);
    label(alarmGroup_, "Label2", "Minute", {60, 44});
    minuteEdit_ = numberEdit(alarmGroup_, "MinEdit", {60, 60, 29, 22}, "0");
    minuteUpDown_ = upDown(alarmGroup_, "MinUpDown", {89, 60, 16, 22}, minuteEdit_, "Minute");
    setRange(minuteUpDown_, offered(&SettingsRecord::FAlarmMinute));
    minuteUpDown_->setWrap(true);
    amRadio_ = place(new QRadioButton("AM", alarmGroup_), "AMRadio", {112, 53, 37, 21});
    pmRadio_ = place(new QRadioButton("PM", alarmGroup_), "PMRadio", {112, 70, 37, 17});
    amRadio_->setChecked(true);
}

void AlarmDialog::createAnnounceGroup() {
    announceGroup_ = groupBox(this, "GroupBox2", "Announce", {180, 12, 145, 93});
    announceCheck_ =
        place(new QCheckBox("Announce time every", announceGroup_), "AnnCheck", {8, 20, 133, 17});
    announceEdit_ = numberEdit(announceGroup_, "AnnEdit", {8, 60, 33, 22}, "1");
    announceUpDown_ = upDown(announceGroup_, "AnnUpDown", {41, 60, 15, 22}, announceEdit_,
                             "Announce time every (minutes)");
    setRange(announceUpDown_, offered(&SettingsRecord::FAnnounceInterval));
    announceUpDown_->setPosition(1);
    label(announceGroup_, "Label3", "minutes", {64, 64});
}

void AlarmDialog::createOptionsGroup() {
    optionsGroup_ = groupBox(this, "GroupBox3", "Alarm options", {8, 112, 317, 129});
    QLabel* soundLabel = label(optionsGroup_, "Label6", "Sound", {9, 18});
    soundCombo_ = place(new QComboBox(optionsGroup_), "AlarmSoundCombo", {8, 34, 145, 21});
    soundCombo_->addItems({"System beep", "Yipe", "Lazer", "Whistle", "Fanfare", "Wave file..."});
    previewButton_ = place(new QToolButton(optionsGroup_), "PreviewButton", {153, 34, 21, 20});
    previewButton_->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    previewButton_->setAutoRaise(true);
    previewButton_->setToolTip("Play current sound");
    previewButton_->setAccessibleName("Play current sound");
    // A combo box's name is its choice; a screen reader finds the label through the buddy.
    soundLabel->setBuddy(soundCombo_);
    label(optionsGroup_, "Label4", "Sound interval", {185, 18});
    repeatEdit_ = numberEdit(optionsGroup_, "AlarmIntEdit", {184, 34, 33, 22}, "1");
    repeatEdit_->setReadOnly(true);
    repeatUpDown_ = upDown(optionsGroup_, "AlmIntUpDown", {217, 34, 15, 22}, repeatEdit_,
                           "Sound interval (seconds)");
    setRange(repeatUpDown_, offered(&SettingsRecord::FAlarmRepeat));
    repeatUpDown_->setPosition(1);
    label(optionsGroup_, "Label5", "seconds", {240, 37});
    label(optionsGroup_, "Label7", "Wave file", {9, 60});
    waveFileEdit_ = place(new QLineEdit(optionsGroup_), "WaveFileEdit", {8, 76, 217, 22});
    waveFileEdit_->setAccessibleName("Wave file");
    browseButton_ =
        place(new QPushButton("Browse...", optionsGroup_), "BrButton", {237, 76, 63, 21});
    announceFirstCheck_ =
        place(new QCheckBox("Announce the time before playing the sound", optionsGroup_),
              "AlarmAnnCheck", {8, 105, 257, 17});
}

void AlarmDialog::createButtons() {
    okButton_ = dialogButton(this, "BitBtn1", "&OK", {9, 255, 73, 33}, QStyle::SP_DialogOkButton);
    okButton_->setDefault(true);
    helpButton_ =
        dialogButton(this, "HelpButton", "&Help", {128, 255, 75, 33}, QStyle::SP_DialogHelpButton);
    cancelButton_ =
        dialogButton(this, "BitBtn2", "&Cancel", {251, 255, 73, 33}, QStyle::SP_DialogCancelButton);
}

void AlarmDialog::connectHandlers() {
    connect(alarmCheck_, &QCheckBox::toggled, this, &AlarmDialog::AlarmCheckClick);
    connect(announceFirstCheck_, &QCheckBox::toggled, this, &AlarmDialog::AlarmCheckClick);
    connect(announceCheck_, &QCheckBox::toggled, this, &AlarmDialog::AnnCheckClick);
    connect(hourEdit_, &QLineEdit::textChanged, this, &AlarmDialog::HourEditChange);
    connect(minuteEdit_, &QLineEdit::textChanged, this, &AlarmDialog::MinEditChange);
    connect(announceEdit_, &QLineEdit::textChanged, this, &AlarmDialog::AnnEditChange);
    for (const MoreOptionsGroup::Field& f : moreGroup_->numberFields())
        connect(f.edit, &QLineEdit::textChanged, this, [this, f] { validate(f.edit, f.max); });
    minuteEdit_->installEventFilter(this);
    connect(minuteUpDown_, &UpDownButtons::clicked, this, &AlarmDialog::MinUpDownClick);
    connect(soundCombo_, &QComboBox::currentIndexChanged, this,
            &AlarmDialog::AlarmSoundComboChange);
    connect(browseButton_, &QPushButton::clicked, this, &AlarmDialog::BrButtonClick);
    connect(previewButton_, &QToolButton::clicked, this, &AlarmDialog::PreviewButtonClick);
    connect(helpButton_, &QPushButton::clicked, this, &AlarmDialog::HelpButtonClick);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void AlarmDialog::orderTabs() {
    QList<QWidget*> order{
        alarmCheck_,   hourEdit_,     hourUpDown_,    minuteEdit_,         minuteUpDown_,
        amRadio_,      pmRadio_,      announceCheck_, announceEdit_,       announceUpDown_,
        okButton_,     cancelButton_, soundCombo_,    previewButton_,      repeatEdit_,
        repeatUpDown_, waveFileEdit_, browseButton_,  announceFirstCheck_, helpButton_};
    order << moreGroup_->tabOrder();
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    previewButton_->setFocusPolicy(Qt::TabFocus);
}

bool AlarmDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == minuteEdit_ && event->type() == QEvent::FocusOut) MinEditExit();
    return QDialog::eventFilter(watched, event);
}

void AlarmDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void AlarmDialog::FormShow() {
    MinEditExit();
}

// Minutes read as two digits ("05"); the other fields are never padded. Only a digit is padded:
// "0a" would be checked, and reported, a second time.
void AlarmDialog::MinEditExit() {
    padDigit(minuteEdit_);
}

void AlarmDialog::MinUpDownClick() {
    MinEditExit();
}

void AlarmDialog::AlarmCheckClick() {
    const bool on = alarmCheck_->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(hourEdit_), static_cast<QWidget*>(minuteEdit_),
                       static_cast<QWidget*>(amRadio_), static_cast<QWidget*>(pmRadio_)})
        w->setEnabled(on);
    hourUpDown_->update();
    minuteUpDown_->update();
}

void AlarmDialog::AnnCheckClick() {
    announceEdit_->setEnabled(announceCheck_->isChecked());
    announceUpDown_->update();
}

void AlarmDialog::HourEditChange() {
    validate(hourEdit_, hourEntryRange(settings_.F24HourFormat).max);
}
void AlarmDialog::MinEditChange() {
    validate(minuteEdit_, offered(&SettingsRecord::FAlarmMinute).max);
}
void AlarmDialog::AnnEditChange() {
    validate(announceEdit_, offered(&SettingsRecord::FAnnounceInterval).max);
}

// Emptying the field runs this again; an empty field raises no message.
void AlarmDialog::validate(QLineEdit* edit, long max) {
    const NumberField field = readNumberField(edit->text());
    if (!field.valid && !edit->text().isEmpty())
        refuse(edit, "Only numeric values allowed!");
    else if (field.value < 0 || field.value > max)
        refuse(edit, "Numeric value out of range!");
}

// One entry, one box: the box takes the focus, and whatever that changes in the fields meanwhile
// is not checked again; the field is emptied once the box is closed.
void AlarmDialog::refuse(QLineEdit* edit, const QString& message) {
    if (warningOpen_) return;
    warningOpen_ = true;
    dialogs_.message(this, MessageKind::Plain, "Error", message);
    warningOpen_ = false;
    edit->clear();
}

void AlarmDialog::AlarmSoundComboChange() {
    const bool waveFile = soundCombo_->currentIndex() == 5;
    waveFileEdit_->setEnabled(waveFile);
    browseButton_->setEnabled(waveFile);
}

// A cancelled file dialog leaves the field as it was.
void AlarmDialog::BrButtonClick() {
    const QString preset = waveFileEdit_->text();
    const QString chosen = chooseWaveFile(preset);
    waveFileEdit_->setText(chosen.isEmpty() ? preset : chosen);
}

QString AlarmDialog::chooseWaveFile(const QString& preset) {
    return dialogs_.openFileName(this, "Open", preset, "WAV files (*.wav)");
}

// The preview plays what the dialog shows, not what is stored.
void AlarmDialog::PreviewButtonClick() {
    const int sound = soundCombo_->currentIndex();
    if (sound >= 0 && actions_.preview) actions_.preview(sound, waveFileEdit_->text());
}

void AlarmDialog::HelpButtonClick() {
    if (actions_.help) actions_.help();
}

namespace {

int readField(const QLineEdit* edit) {
    return readNumberField(edit->text()).value;
}

} // namespace

void AlarmDialog::fill() {
    const SettingsRecord& s = settings_;
    alarmCheck_->setChecked(s.FAlarmOn);
    if (!s.FAlarmOn) AlarmCheckClick();
    announceCheck_->setChecked(s.FAnnounceOn);
    announceFirstCheck_->setChecked(s.FAnnounceBeforeAlarm);
    if (!s.FAnnounceOn) AnnCheckClick();
    const HourEntry hour = hourToEntry(s.FAlarmHour, s.F24HourFormat);
    setRange(hourUpDown_, hourEntryRange(s.F24HourFormat));
    (hour.pm ? pmRadio_ : amRadio_)->setChecked(true);
    hourUpDown_->setPosition(hour.position);
    minuteUpDown_->setPosition(s.FAlarmMinute);
    announceUpDown_->setPosition(s.FAnnounceInterval);
    const bool listed = offered(&SettingsRecord::FAlarmSound).holds(s.FAlarmSound);
    soundCombo_->setCurrentIndex(listed ? s.FAlarmSound : -1);
    waveFileEdit_->setText(s.AlarmWaveFile);
    repeatUpDown_->setPosition(static_cast<int>(s.FAlarmRepeat));
    if (s.FAlarmSound != 5) {
        waveFileEdit_->setEnabled(false);
        browseButton_->setEnabled(false);
    }
    amRadio_->setVisible(!s.F24HourFormat);
    pmRadio_->setVisible(!s.F24HourFormat);
    moreGroup_->fill(s);
}

SettingsRecord AlarmDialog::result() const {
    SettingsRecord r = settings_;
    r.AlarmWaveFile = waveFileEdit_->text();
    r.FAlarmOn = alarmCheck_->isChecked();
    r.FAnnounceOn = announceCheck_->isChecked();
    r.FAnnounceBeforeAlarm = announceFirstCheck_->isChecked();
    r.FAlarmSound = soundCombo_->currentIndex();
    const auto take = [&](auto field, const QLineEdit* edit) {
        if (const int v = readField(edit); offered(field).holds(v))
            setFieldValue(settingOf(field), r, v);
    };
    take(&SettingsRecord::FAnnounceInterval, announceEdit_);
    r.FAlarmHour = hourFromEntry(readField(hourEdit_), r.F24HourFormat, pmRadio_->isChecked());
    take(&SettingsRecord::FAlarmMinute, minuteEdit_);
    take(&SettingsRecord::FAlarmRepeat, repeatEdit_);
    moreGroup_->store(r);
    return r;
}

} // namespace ql
