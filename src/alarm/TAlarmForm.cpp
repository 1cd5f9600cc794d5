#include "alarm/TAlarmForm.h"

#include "alarm/AlarmHour.h"
#include "alarm/FormPlacement.h"
#include "alarm/NumberField.h"
#include "alarm/TUpDown.h"
#include "common/Modal.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QToolButton>

namespace ql {

TAlarmForm::FileDialogHook TAlarmForm::FileDialog;

namespace {

template <class W> W* place(W* widget, const char* name, QRect geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text, QPoint at) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->adjustSize();
    l->move(at);
    return l;
}

QLineEdit* numberEdit(QWidget* parent, const char* name, QRect geometry, const QString& text) {
    auto* edit = place(new QLineEdit(text, parent), name, geometry);
    edit->setMaxLength(2);
    return edit;
}

TUpDown* upDown(QWidget* parent, const char* name, QRect geometry, QLineEdit* edit) {
    auto* ud = place(new TUpDown(parent), name, geometry);
    ud->setAssociate(edit);
    return ud;
}

// Bold captions, plain contents: the contents take the dialog's font back explicitly.
QGroupBox* groupBox(QWidget* parent, const char* name, const QString& title, QRect geometry) {
    auto* box = place(new QGroupBox(title, parent), name, geometry);
    QFont bold = parent->font();
    bold.setBold(true);
    box->setFont(bold);
    return box;
}

void plainContents(QGroupBox* box) {
    for (QWidget* child : box->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        QFont plain = child->font();
        plain.setBold(false);
        child->setFont(plain);
    }
}

QPushButton* dialogButton(QWidget* parent, const char* name, const QString& text, QRect geometry,
                          QStyle::StandardPixmap icon) {
    auto* b = place(new QPushButton(text, parent), name, geometry);
    b->setIcon(parent->style()->standardIcon(icon));
    return b;
}

} // namespace

TAlarmForm::TAlarmForm(QWidget* parent, const SettingsRecord& settings, Actions actions)
    : QDialog(parent), settings_(settings), actions_(std::move(actions)) {
    setObjectName("AlarmForm");
    setWindowTitle("Alarm and announce settings");
    setFont(alarmFormFont());
    setFixedSize(332, 297);
    createAlarmGroup();
    createAnnounceGroup();
    createOptionsGroup();
    createButtons();
    for (QGroupBox* box : {GroupBox1, GroupBox2, GroupBox3})
        plainContents(box);
    connectHandlers();
    orderTabs();
    centreOnScreen(*this);
    fill();
}

void TAlarmForm::createAlarmGroup() {
    GroupBox1 = groupBox(this, "GroupBox1", "Alarm", {8, 12, 161, 93});
    AlarmCheck = place(new QCheckBox("Alarm on", GroupBox1), "AlarmCheck", {8, 20, 97, 17});
    Label1 = label(GroupBox1, "Label1", "Hour", {8, 44});
    HourEdit = numberEdit(GroupBox1, "HourEdit", {8, 60, 29, 22}, "0");
    HourUpDown = upDown(GroupBox1, "HourUpDown", {37, 60, 16, 22}, HourEdit);
    HourUpDown->setWrap(true);
    Label2 = label(GroupBox1, "Label2", "Minute", {60, 44});
    MinEdit = numberEdit(GroupBox1, "MinEdit", {60, 60, 29, 22}, "0");
    MinUpDown = upDown(GroupBox1, "MinUpDown", {89, 60, 16, 22}, MinEdit);
    MinUpDown->setMin(0);
    MinUpDown->setMax(59);
    MinUpDown->setWrap(true);
    AMRadio = place(new QRadioButton("AM", GroupBox1), "AMRadio", {112, 53, 37, 21});
    PMRadio = place(new QRadioButton("PM", GroupBox1), "PMRadio", {112, 70, 37, 17});
    AMRadio->setChecked(true);
}

void TAlarmForm::createAnnounceGroup() {
    GroupBox2 = groupBox(this, "GroupBox2", "Announce", {180, 12, 145, 93});
    AnnCheck = place(new QCheckBox("Announce time every", GroupBox2), "AnnCheck", {8, 20, 133, 17});
    AnnEdit = numberEdit(GroupBox2, "AnnEdit", {8, 60, 33, 22}, "1");
    AnnUpDown = upDown(GroupBox2, "AnnUpDown", {41, 60, 15, 22}, AnnEdit);
    AnnUpDown->setMin(1);
    AnnUpDown->setMax(60);
    AnnUpDown->setPosition(1);
    Label3 = label(GroupBox2, "Label3", "minutes", {64, 64});
}

void TAlarmForm::createOptionsGroup() {
    GroupBox3 = groupBox(this, "GroupBox3", "Alarm options", {8, 112, 317, 129});
    Label6 = label(GroupBox3, "Label6", "Sound", {9, 18});
    AlarmSoundCombo = place(new QComboBox(GroupBox3), "AlarmSoundCombo", {8, 34, 145, 21});
    AlarmSoundCombo->addItems(
        {"System beep", "Yipe", "Lazer", "Whistle", "Fanfare", "Wave file..."});
    PreviewButton = place(new QToolButton(GroupBox3), "PreviewButton", {153, 34, 21, 20});
    PreviewButton->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    PreviewButton->setAutoRaise(true);
    PreviewButton->setToolTip("Play current sound");
    Label4 = label(GroupBox3, "Label4", "Sound interval", {185, 18});
    AlarmIntEdit = numberEdit(GroupBox3, "AlarmIntEdit", {184, 34, 33, 22}, "1");
    AlarmIntEdit->setReadOnly(true);
    AlmIntUpDown = upDown(GroupBox3, "AlmIntUpDown", {217, 34, 15, 22}, AlarmIntEdit);
    AlmIntUpDown->setMin(0);
    AlmIntUpDown->setMax(60);
    AlmIntUpDown->setPosition(1);
    Label5 = label(GroupBox3, "Label5", "seconds", {240, 37});
    Label7 = label(GroupBox3, "Label7", "Wave file", {9, 60});
    WaveFileEdit = place(new QLineEdit(GroupBox3), "WaveFileEdit", {8, 76, 217, 22});
    BrButton = place(new QPushButton("Browse...", GroupBox3), "BrButton", {237, 76, 63, 21});
    AlarmAnnCheck = place(new QCheckBox("Announce the time before playing the sound", GroupBox3),
                          "AlarmAnnCheck", {8, 105, 257, 17});
}

void TAlarmForm::createButtons() {
    BitBtn1 = dialogButton(this, "BitBtn1", "&OK", {9, 255, 73, 33}, QStyle::SP_DialogOkButton);
    BitBtn1->setDefault(true);
    HelpButton =
        dialogButton(this, "HelpButton", "&Help", {128, 255, 75, 33}, QStyle::SP_DialogHelpButton);
    BitBtn2 =
        dialogButton(this, "BitBtn2", "&Cancel", {251, 255, 73, 33}, QStyle::SP_DialogCancelButton);
}

void TAlarmForm::connectHandlers() {
    connect(AlarmCheck, &QCheckBox::toggled, this, &TAlarmForm::AlarmCheckClick);
    connect(AlarmAnnCheck, &QCheckBox::toggled, this, &TAlarmForm::AlarmCheckClick);
    connect(AnnCheck, &QCheckBox::toggled, this, &TAlarmForm::AnnCheckClick);
    connect(HourEdit, &QLineEdit::textChanged, this, &TAlarmForm::HourEditChange);
    connect(MinEdit, &QLineEdit::textChanged, this, &TAlarmForm::MinEditChange);
    connect(AnnEdit, &QLineEdit::textChanged, this, &TAlarmForm::AnnEditChange);
    MinEdit->installEventFilter(this);
    connect(MinUpDown, &TUpDown::clicked, this, &TAlarmForm::MinUpDownClick);
    connect(AlarmSoundCombo, &QComboBox::currentIndexChanged, this,
            &TAlarmForm::AlarmSoundComboChange);
    connect(BrButton, &QPushButton::clicked, this, &TAlarmForm::BrButtonClick);
    connect(PreviewButton, &QToolButton::clicked, this, &TAlarmForm::PreviewButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TAlarmForm::HelpButtonClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TAlarmForm::orderTabs() {
    const QList<QWidget*> order{AlarmCheck,      HourEdit,      HourUpDown,    MinEdit,
                                MinUpDown,       AMRadio,       PMRadio,       AnnCheck,
                                AnnEdit,         AnnUpDown,     BitBtn1,       BitBtn2,
                                AlarmSoundCombo, PreviewButton, AlarmIntEdit,  AlmIntUpDown,
                                WaveFileEdit,    BrButton,      AlarmAnnCheck, HelpButton};
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
    PreviewButton->setFocusPolicy(Qt::TabFocus);
}

bool TAlarmForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == MinEdit && event->type() == QEvent::FocusOut) MinEditExit();
    return QDialog::eventFilter(watched, event);
}

void TAlarmForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TAlarmForm::FormShow() {
    MinEditExit();
}

// Minutes read as two digits ("05"); the other fields are never padded. Only a digit is padded:
// "0a" would be checked, and reported, a second time.
void TAlarmForm::MinEditExit() {
    const QString text = MinEdit->text();
    if (text.size() == 1 && text[0].isDigit()) MinEdit->setText('0' + text);
}

void TAlarmForm::MinUpDownClick() {
    MinEditExit();
}

void TAlarmForm::AlarmCheckClick() {
    const bool on = AlarmCheck->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(HourEdit), static_cast<QWidget*>(MinEdit),
                       static_cast<QWidget*>(AMRadio), static_cast<QWidget*>(PMRadio)})
        w->setEnabled(on);
    HourUpDown->update();
    MinUpDown->update();
}

void TAlarmForm::AnnCheckClick() {
    AnnEdit->setEnabled(AnnCheck->isChecked());
    AnnUpDown->update();
}

void TAlarmForm::HourEditChange() {
    validate(HourEdit, settings_.F24HourFormat ? 23 : 12);
}
void TAlarmForm::MinEditChange() {
    validate(MinEdit, 59);
}
void TAlarmForm::AnnEditChange() {
    validate(AnnEdit, 60);
}

// Emptying the field runs this again; an empty field raises no message.
void TAlarmForm::validate(QLineEdit* edit, int max) {
    const NumberField field = readNumberField(edit->text());
    if (!field.valid && !edit->text().isEmpty())
        refuse(edit, "Only numeric values allowed!");
    else if (field.value < 0 || field.value > max)
        refuse(edit, "Numeric value out of range!");
}

// One entry, one box: the box takes the focus, and whatever that changes in the fields meanwhile
// is not checked again; the field is emptied once the box is closed.
void TAlarmForm::refuse(QLineEdit* edit, const QString& message) {
    if (FWarning) return;
    FWarning = true;
    showMessage(this, MessageKind::Plain, "Error", message);
    FWarning = false;
    edit->clear();
}

void TAlarmForm::AlarmSoundComboChange() {
    const bool waveFile = AlarmSoundCombo->currentIndex() == 5;
    WaveFileEdit->setEnabled(waveFile);
    BrButton->setEnabled(waveFile);
}

// A cancelled file dialog leaves the field as it was.
void TAlarmForm::BrButtonClick() {
    const QString preset = WaveFileEdit->text();
    const QString chosen = chooseWaveFile(preset);
    WaveFileEdit->setText(chosen.isEmpty() ? preset : chosen);
}

QString TAlarmForm::chooseWaveFile(const QString& preset) {
    if (FileDialog) return FileDialog(this, preset);
    return QFileDialog::getOpenFileName(this, "Open", preset, "WAV files (*.wav)");
}

// The preview plays what the dialog shows, not what is stored.
void TAlarmForm::PreviewButtonClick() {
    const int sound = AlarmSoundCombo->currentIndex();
    if (sound >= 0 && actions_.preview) actions_.preview(sound, WaveFileEdit->text());
}

void TAlarmForm::HelpButtonClick() {
    if (actions_.help) actions_.help();
}

namespace {

int readField(const QLineEdit* edit) {
    return readNumberField(edit->text()).value;
}

bool within(int value, int min, int max) {
    return value >= min && value <= max;
}

} // namespace

void TAlarmForm::fill() {
    const SettingsRecord& s = settings_;
    AlarmCheck->setChecked(s.FAlarmOn);
    if (!s.FAlarmOn) AlarmCheckClick();
    AnnCheck->setChecked(s.FAnnounceOn);
    AlarmAnnCheck->setChecked(s.FAnnounceBeforeAlarm);
    if (!s.FAnnounceOn) AnnCheckClick();
    const HourEntry hour = hourToEntry(s.FAlarmHour, s.F24HourFormat);
    HourUpDown->setMax(s.F24HourFormat ? 23 : 12);
    HourUpDown->setMin(s.F24HourFormat ? 0 : 1);
    (hour.pm ? PMRadio : AMRadio)->setChecked(true);
    HourUpDown->setPosition(hour.position);
    MinUpDown->setPosition(s.FAlarmMinute);
    AnnUpDown->setPosition(s.FAnnounceInterval);
    AlarmSoundCombo->setCurrentIndex(within(s.FAlarmSound, 0, 5) ? s.FAlarmSound : -1);
    WaveFileEdit->setText(s.AlarmWaveFile);
    AlmIntUpDown->setPosition(static_cast<int>(s.FAlarmRepeat));
    if (s.FAlarmSound != 5) {
        WaveFileEdit->setEnabled(false);
        BrButton->setEnabled(false);
    }
    AMRadio->setVisible(!s.F24HourFormat);
    PMRadio->setVisible(!s.F24HourFormat);
}

SettingsRecord TAlarmForm::result() const {
    SettingsRecord r = settings_;
    r.AlarmWaveFile = WaveFileEdit->text();
    r.FAlarmOn = AlarmCheck->isChecked();
    r.FAnnounceOn = AnnCheck->isChecked();
    r.FAnnounceBeforeAlarm = AlarmAnnCheck->isChecked();
    r.FAlarmSound = AlarmSoundCombo->currentIndex();
    if (const int v = readField(AnnEdit); within(v, 1, 60)) r.FAnnounceInterval = v;
    r.FAlarmHour = hourFromEntry(readField(HourEdit), r.F24HourFormat, PMRadio->isChecked());
    if (const int v = readField(MinEdit); within(v, 0, 59)) r.FAlarmMinute = v;
    if (const int v = readField(AlarmIntEdit); within(v, 0, 60))
        r.FAlarmRepeat = static_cast<std::uint32_t>(v);
    return r;
}

} // namespace ql
