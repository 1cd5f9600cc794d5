// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmFixture.h"

#include "alarm/UpDownButtons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

namespace ql {
namespace {

// The dialog's controls, found by their names.
struct Controls {
    template <class W> static W* named(QWidget& dialog, const char* name) {
        W* w = dialog.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    explicit Controls(AlarmDialog& d)
        : AlarmCheck(named<QCheckBox>(d, "AlarmCheck")), HourEdit(named<QLineEdit>(d, "HourEdit")),
          HourUpDown(named<UpDownButtons>(d, "HourUpDown")),
          MinEdit(named<QLineEdit>(d, "MinEdit")), MinUpDown(named<UpDownButtons>(d, "MinUpDown")),
          AMRadio(named<QRadioButton>(d, "AMRadio")), PMRadio(named<QRadioButton>(d, "PMRadio")),
          AnnCheck(named<QCheckBox>(d, "AnnCheck")), AnnEdit(named<QLineEdit>(d, "AnnEdit")),
          AnnUpDown(named<UpDownButtons>(d, "AnnUpDown")),
          AlarmSoundCombo(named<QComboBox>(d, "AlarmSoundCombo")),
          PreviewButton(named<QToolButton>(d, "PreviewButton")),
          AlarmIntEdit(named<QLineEdit>(d, "AlarmIntEdit")),
          AlmIntUpDown(named<UpDownButtons>(d, "AlmIntUpDown")),
          WaveFileEdit(named<QLineEdit>(d, "WaveFileEdit")),
          BrButton(named<QPushButton>(d, "BrButton")),
          AlarmAnnCheck(named<QCheckBox>(d, "AlarmAnnCheck")),
          HelpButton(named<QPushButton>(d, "HelpButton")),
          QuietFromHourEdit(named<QLineEdit>(d, "QuietFromHourEdit")),
          QuietFromHourUpDown(named<UpDownButtons>(d, "QuietFromHourUpDown")),
          QuietFromMinEdit(named<QLineEdit>(d, "QuietFromMinEdit")),
          QuietUntilHourEdit(named<QLineEdit>(d, "QuietUntilHourEdit")),
          QuietUntilMinEdit(named<QLineEdit>(d, "QuietUntilMinEdit")),
          QuietUntilMinUpDown(named<UpDownButtons>(d, "QuietUntilMinUpDown")),
          ChimeCheck(named<QCheckBox>(d, "ChimeCheck")),
          SnoozeEdit(named<QLineEdit>(d, "SnoozeEdit")),
          SnoozeUpDown(named<UpDownButtons>(d, "SnoozeUpDown")), dialog(d) {}

    // The weekday boxes of a row ("AnnDay", "AlarmDay") as ticks, Monday first: "1111100".
    QString days(const char* row) const {
        QString ticks;
        for (const char* day : {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"})
            ticks += named<QCheckBox>(dialog, (QByteArray(row) + day).constData())->isChecked()
                         ? '1'
                         : '0';
        return ticks;
    }
    void tick(const char* row, const char* day, bool on) {
        named<QCheckBox>(dialog, (QByteArray(row) + day).constData())->setChecked(on);
    }

    QCheckBox* AlarmCheck;
    QLineEdit* HourEdit;
    UpDownButtons* HourUpDown;
    QLineEdit* MinEdit;
    UpDownButtons* MinUpDown;
    QRadioButton* AMRadio;
    QRadioButton* PMRadio;
    QCheckBox* AnnCheck;
    QLineEdit* AnnEdit;
    UpDownButtons* AnnUpDown;
    QComboBox* AlarmSoundCombo;
    QToolButton* PreviewButton;
    QLineEdit* AlarmIntEdit;
    UpDownButtons* AlmIntUpDown;
    QLineEdit* WaveFileEdit;
    QPushButton* BrButton;
    QCheckBox* AlarmAnnCheck;
    QPushButton* HelpButton;
    QLineEdit* QuietFromHourEdit;
    UpDownButtons* QuietFromHourUpDown;
    QLineEdit* QuietFromMinEdit;
    QLineEdit* QuietUntilHourEdit;
    QLineEdit* QuietUntilMinEdit;
    UpDownButtons* QuietUntilMinUpDown;
    QCheckBox* ChimeCheck;
    QLineEdit* SnoozeEdit;
    UpDownButtons* SnoozeUpDown;
    AlarmDialog& dialog;
};

class AlarmDialogTest : public AlarmFixture {
  protected:
    // Opens the dialog from the alarm button, lets `act` work on its controls while it shows,
    // and closes it with OK or Cancel.
    void runDialog(const std::function<void(Controls&)>& act, bool ok) {
        onDialog = [&](AlarmDialog& d) {
            d.show();
            Controls controls(d);
            act(controls);
            d.hide();
            return ok ? int(QDialog::Accepted) : int(QDialog::Rejected);
        };
        button("AlarmButton")->click();
    }
    void createAt(bool h24, int hour, int minute) {
        createWithAlarm();
        editSettings([&](SettingsRecord& rec) { rec.F24HourFormat = h24; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmHour = hour; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmMinute = minute; });
    }
    std::vector<QString> messageTexts() const {
        std::vector<QString> texts;
        for (const Message& m : boxes) {
            EXPECT_EQ(m.kind, MessageKind::Plain);
            EXPECT_EQ(m.title, "Error");
            texts.push_back(m.text);
        }
        return texts;
    }
};

TEST_F(AlarmDialogTest, TheHourAndMinuteAsTheDialogShowsThem) {
    struct Row {
        bool h24;
        int hour, minute;
        const char* hourText;
        const char* minText;
        bool pm;
    } rows[] = {
        {false, 0, 30, "12", "30", false}, {false, 12, 15, "12", "15", true},
        {false, 19, 5, "7", "05", true},   {false, 7, 7, "7", "07", false},
        {false, 23, 59, "11", "59", true}, {true, 0, 0, "0", "00", false},
        {true, 19, 5, "19", "05", false},  {true, 23, 10, "23", "10", false},
    };
    for (const Row& r : rows) {
        createAt(r.h24, r.hour, r.minute);
        runDialog(
            [&](Controls& d) {
                EXPECT_EQ(d.HourEdit->text(), r.hourText) << r.hour << " h24=" << r.h24;
                EXPECT_EQ(d.MinEdit->text(), r.minText) << r.minute;
                EXPECT_EQ(d.PMRadio->isChecked(), r.pm) << r.hour;
                EXPECT_EQ(d.AMRadio->isChecked(), !r.pm) << r.hour;
                EXPECT_EQ(d.AMRadio->isVisible(), !r.h24);
                EXPECT_EQ(d.PMRadio->isVisible(), !r.h24);
                EXPECT_EQ(d.HourUpDown->min(), r.h24 ? 0 : 1);
                EXPECT_EQ(d.HourUpDown->max(), r.h24 ? 23 : 12);
            },
            true);
        EXPECT_EQ(cfg().FAlarmHour, r.hour) << "confirming unchanged keeps the time";
        EXPECT_EQ(cfg().FAlarmMinute, r.minute);
        EXPECT_TRUE(boxes.empty());
    }
}

TEST_F(AlarmDialogTest, TheHourEnteredBecomesTheTwentyFourHourAlarmHour) {
    struct Row {
        bool h24;
        const char* typed;
        bool pm;
        int hour;
    } rows[] = {
        {false, "7", true, 19},  {false, "12", false, 0}, {false, "12", true, 12},
        {false, "0", true, 12},  {false, "0", false, 0},  {false, "", false, 0},
        {false, "11", true, 23}, {false, "1", false, 1},  {true, "17", false, 17},
        {true, "", false, 0},    {true, "0", false, 0},   {true, "$F", false, 15},
    };
    for (const Row& r : rows) {
        createAt(r.h24, 9, 0);
        runDialog(
            [&](Controls& d) {
                d.HourEdit->setText(r.typed);
                (r.pm ? d.PMRadio : d.AMRadio)->setChecked(true);
            },
            true);
        EXPECT_EQ(cfg().FAlarmHour, r.hour) << r.typed << (r.pm ? " PM" : " AM");
        EXPECT_TRUE(boxes.empty()) << r.typed;
    }
}

TEST_F(AlarmDialogTest, TypingIsValidatedAsItHappens) {
    const QString nonNumeric = "Only numeric values allowed!";
    const QString outOfRange = "Numeric value out of range!";
    struct Row {
        bool h24;
        QLineEdit* Controls::*field;
        const char* typed;
        QString message; // empty: none
        const char* left;
    } rows[] = {
        {true, &Controls::HourEdit, "24", outOfRange, ""},
        {true, &Controls::HourEdit, "23", {}, "23"},
        {false, &Controls::HourEdit, "13", outOfRange, ""},
        {false, &Controls::HourEdit, "12", {}, "12"},
        {false, &Controls::HourEdit, "0", {}, "0"},
        {true, &Controls::HourEdit, "-1", outOfRange, ""},
        {true, &Controls::HourEdit, " 5", {}, " 5"},
        {true, &Controls::MinEdit, "a", nonNumeric, ""},
        {true, &Controls::MinEdit, "60", outOfRange, ""},
        {true, &Controls::MinEdit, "59", {}, "59"},
        {true, &Controls::MinEdit, "$A", {}, "$A"},
        {true, &Controls::MinEdit, "5 ", nonNumeric, ""},
        {true, &Controls::AnnEdit, "0", {}, "0"},
        {true, &Controls::AnnEdit, "60", {}, "60"},
        {true, &Controls::AnnEdit, "61", outOfRange, ""},
        {true, &Controls::AnnEdit, "x", nonNumeric, ""},
        {true, &Controls::AnnEdit, "", {}, ""},
        {false, &Controls::QuietFromHourEdit, "24", outOfRange, ""},
        {false, &Controls::QuietFromHourEdit, "23", {}, "23"},
        {false, &Controls::QuietUntilMinEdit, "60", outOfRange, ""},
        {true, &Controls::SnoozeEdit, "0", {}, "0"},
        {true, &Controls::SnoozeEdit, "61", outOfRange, ""},
    };
    for (const Row& r : rows) {
        createAt(r.h24, 9, 0);
        boxes.clear();
        runDialog(
            [&](Controls& d) {
                QLineEdit* edit = d.*r.field;
                edit->setText(r.typed);
                EXPECT_EQ(edit->text(), r.left) << r.typed;
            },
            false);
        const auto expected =
            r.message.isEmpty() ? std::vector<QString>{} : std::vector<QString>{r.message};
        EXPECT_EQ(messageTexts(), expected) << r.typed;
    }
}

// A real message box takes the focus from the field; that must not check the field a second
// time (the minute field used to pad "a" to "0a" on losing the focus and report it again).
TEST_F(AlarmDialogTest, OneInvalidEntryGivesOneBoxWhenTheBoxTakesTheFocus) {
    struct Row {
        QLineEdit* Controls::*field;
        const char* typed;
        const char* message;
    } rows[] = {
        {&Controls::MinEdit, "a", "Only numeric values allowed!"},
        {&Controls::MinEdit, "60", "Numeric value out of range!"},
        {&Controls::HourEdit, "a", "Only numeric values allowed!"},
        {&Controls::HourEdit, "24", "Numeric value out of range!"},
        {&Controls::AnnEdit, "a", "Only numeric values allowed!"},
        {&Controls::AnnEdit, "61", "Numeric value out of range!"},
    };
    for (const Row& r : rows) {
        createAt(true, 9, 0);
        boxes.clear();
        QLineEdit* edit = nullptr;
        fakes.dialogs.message = [&](MessageKind kind, const QString& title, const QString& text) {
            boxes.push_back({kind, title, text});
            QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
            QCoreApplication::sendEvent(edit, &out);
        };
        runDialog(
            [&](Controls& d) {
                edit = d.*r.field;
                edit->setText(r.typed);
                EXPECT_EQ(edit->text(), "") << r.typed;
            },
            false);
        EXPECT_EQ(messageTexts(), std::vector<QString>{r.message}) << r.typed;
    }
}

// An emptied or out-of-range later field keeps its value, unlike the alarm minute's 0.
TEST_F(AlarmDialogTest, OkTakesTheNumbersOnlyWithinTheirRanges) {
    struct Row {
        const char *ann, *minute, *snooze, *quietHour;
        int interval, alarmMinute, snoozeMinutes, quietFromHour;
    } rows[] = {
        {"30", "45", "20", "23", 30, 45, 20, 23}, {"0", "5", "0", "0", 15, 5, 9, 0},
        {"", "", "", "", 15, 0, 9, 22},           {"60", "59", "60", "7", 60, 59, 60, 7},
        {"1", "0", "1", "$A", 1, 0, 1, 10},
    };
    for (const Row& r : rows) {
        createAt(true, 9, 20);
        editSettings([&](SettingsRecord& rec) { rec.FAnnounceInterval = 15; });
        editSettings([&](SettingsRecord& rec) { rec.quietFromHour = 22, rec.snoozeMinutes = 9; });
        runDialog(
            [&](Controls& d) {
                d.AnnEdit->setText(r.ann);
                d.MinEdit->setText(r.minute);
                d.SnoozeEdit->setText(r.snooze);
                d.QuietFromHourEdit->setText(r.quietHour);
            },
            true);
        EXPECT_EQ(cfg().FAnnounceInterval, r.interval) << r.ann;
        EXPECT_EQ(cfg().FAlarmMinute, r.alarmMinute) << r.minute;
        EXPECT_EQ(cfg().snoozeMinutes, r.snoozeMinutes) << r.snooze;
        EXPECT_EQ(cfg().quietFromHour, r.quietFromHour) << r.quietHour;
    }
}

TEST_F(AlarmDialogTest, OkStoresEveryControlAndCancelKeepsEverything) {
    for (bool ok : {true, false}) {
        createAt(false, 6, 45);
        editSettings([&](SettingsRecord& rec) { rec.FAlarmOn = false; });
        editSettings([&](SettingsRecord& rec) { rec.FAnnounceOn = true; });
        editSettings([&](SettingsRecord& rec) { rec.FAnnounceBeforeAlarm = false; });
        editSettings([&](SettingsRecord& rec) { rec.FAnnounceInterval = 15; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmSound = 2; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmRepeat = 10; });
        editSettings([&](SettingsRecord& rec) { rec.AlarmWaveFile = "/old.wav"; });
        editSettings([&](SettingsRecord& rec) {
            rec.quietFromHour = 23, rec.quietFromMinute = 59;
            rec.quietUntilHour = 0, rec.quietUntilMinute = 1;
            rec.announceDays = 0x41, rec.alarmDays = 0x2A, rec.snoozeMinutes = 60,
            rec.chimeOn = true;
        });
        const SettingsRecord before = cfg();
        runDialog(
            [](Controls& d) {
                // Quiet hours read 24-hour on a 12-hour clock too.
                EXPECT_EQ(d.QuietFromHourEdit->text() + ':' + d.QuietFromMinEdit->text(), "23:59");
                EXPECT_EQ(d.QuietUntilHourEdit->text() + ':' + d.QuietUntilMinEdit->text(),
                          "00:01");
                EXPECT_EQ(d.days("AnnDay") + ' ' + d.days("AlarmDay"), "1000001 0101010");
                EXPECT_EQ(d.SnoozeEdit->text(), "60");
                EXPECT_TRUE(d.ChimeCheck->isChecked());
                d.AlarmCheck->setChecked(true);
                d.AnnCheck->setChecked(false);
                d.AlarmAnnCheck->setChecked(true);
                d.HourEdit->setText("9");
                d.PMRadio->setChecked(true);
                d.MinEdit->setText("5");
                d.AnnEdit->setText("20");
                d.AlarmSoundCombo->setCurrentIndex(5);
                d.WaveFileEdit->setText("/new.wav");
                d.AlmIntUpDown->step(+1);
                d.QuietFromHourEdit->setText("21");
                d.QuietFromMinEdit->setText("15");
                d.QuietUntilHourEdit->setText("6");
                d.QuietUntilMinEdit->setText("45");
                d.tick("AnnDay", "Sat", true);
                d.tick("AnnDay", "Sun", false);
            },
            ok);
        const SettingsRecord& now = cfg();
        if (ok) {
            EXPECT_TRUE(now.FAlarmOn && !now.FAnnounceOn && now.FAnnounceBeforeAlarm);
            EXPECT_EQ(now.FAlarmHour, 21);
            EXPECT_EQ(now.FAlarmMinute, 5);
            EXPECT_EQ(now.FAnnounceInterval, 20);
            EXPECT_EQ(now.FAlarmSound, 5);
            EXPECT_EQ(now.AlarmWaveFile, "/new.wav");
            EXPECT_EQ(now.FAlarmRepeat, 11u);
            EXPECT_EQ(now.quietFromHour * 100 + now.quietFromMinute, 2115);
            EXPECT_EQ(now.quietUntilHour * 100 + now.quietUntilMinute, 645);
            EXPECT_EQ(now.announceDays, 0x21);
            EXPECT_TRUE(now.alarmDays == 0x2A && now.snoozeMinutes == 60 && now.chimeOn) << "kept";
        } else {
            EXPECT_EQ(now.FAlarmOn, before.FAlarmOn);
            EXPECT_EQ(now.FAnnounceOn, before.FAnnounceOn);
            EXPECT_EQ(now.FAnnounceBeforeAlarm, before.FAnnounceBeforeAlarm);
            EXPECT_EQ(now.FAlarmHour, before.FAlarmHour);
            EXPECT_EQ(now.FAlarmMinute, before.FAlarmMinute);
            EXPECT_EQ(now.FAnnounceInterval, before.FAnnounceInterval);
            EXPECT_EQ(now.FAlarmSound, before.FAlarmSound);
            EXPECT_EQ(now.AlarmWaveFile, before.AlarmWaveFile);
            EXPECT_EQ(now.FAlarmRepeat, before.FAlarmRepeat);
            EXPECT_TRUE(now == before);
        }
    }
}

// While the dialog is open and after it, the button is what "Show program in taskbar" says.
TEST_F(AlarmDialogTest, TheTaskbarButtonFollowsTheSettingWhileOpenAndAfter) {
    struct Row {
        bool showInTaskbar, ok;
        const char* step;
    } rows[] = {{true, true, "taskbar.show"},
                {true, false, "taskbar.show"},
                {false, true, "taskbar.hide"},
                {false, false, "taskbar.hide"}};
    for (const Row& r : rows) {
        createAt(true, 9, 0);
        editSettings([&](SettingsRecord& rec) { rec.FShowInTaskbar = r.showInTaskbar; });
        fakes.journal.entries.clear();
        runDialog([](Controls&) {}, r.ok);
        std::vector<std::string> taskbar;
        for (const std::string& e : fakes.journal.entries)
            if (e.starts_with("taskbar.")) taskbar.push_back(e);
        EXPECT_EQ(taskbar, (std::vector<std::string>{r.step, r.step})) << r.showInTaskbar << r.ok;
    }
}

TEST_F(AlarmDialogTest, ControlsAreEnabledByTheirSwitches) {
    struct Row {
        bool alarmOn, announceOn;
        int sound;
    } rows[] = {{false, false, 0}, {true, false, 5}, {false, true, 3}, {true, true, 5}};
    for (const Row& r : rows) {
        createAt(false, 9, 0);
        editSettings([&](SettingsRecord& rec) { rec.FAlarmOn = r.alarmOn; });
        editSettings([&](SettingsRecord& rec) { rec.FAnnounceOn = r.announceOn; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmSound = r.sound; });
        runDialog(
            [&](Controls& d) {
                auto alarmControls = [&](bool on) {
                    for (QWidget* w : std::initializer_list<QWidget*>{d.HourEdit, d.MinEdit,
                                                                      d.AMRadio, d.PMRadio})
                        EXPECT_EQ(w->isEnabled(), on) << w->objectName().toStdString();
                    EXPECT_TRUE(d.HourUpDown->isEnabled() && d.MinUpDown->isEnabled());
                };
                alarmControls(r.alarmOn);
                EXPECT_EQ(d.AnnEdit->isEnabled(), r.announceOn);
                EXPECT_TRUE(d.AnnUpDown->isEnabled());
                EXPECT_EQ(d.WaveFileEdit->isEnabled(), r.sound == 5);
                EXPECT_EQ(d.BrButton->isEnabled(), r.sound == 5);
                d.AlarmCheck->click();
                alarmControls(!r.alarmOn);
                d.AlarmAnnCheck->click(); // shares the handler; changes nothing here
                alarmControls(!r.alarmOn);
                d.AnnCheck->click();
                EXPECT_EQ(d.AnnEdit->isEnabled(), !r.announceOn);
                for (int i : {5, 1, 5, 0}) {
                    d.AlarmSoundCombo->setCurrentIndex(i);
                    EXPECT_EQ(d.WaveFileEdit->isEnabled(), i == 5);
                    EXPECT_EQ(d.BrButton->isEnabled(), i == 5);
                }
            },
            false);
    }
}

TEST_F(AlarmDialogTest, UpDownsStepWrapAndPadMinutes) {
    struct Row {
        UpDownButtons* Controls::*upDown;
        const char* start;
        int delta;
        const char* after;
    } rows[] = {
        {&Controls::MinUpDown, "59", +1, "00"},
        {&Controls::MinUpDown, "00", -1, "59"},
        {&Controls::MinUpDown, "8", +1, "09"},
        {&Controls::MinUpDown, "", +1, "01"},
        {&Controls::HourUpDown, "12", +1, "1"},
        {&Controls::HourUpDown, "1", -1, "12"},
        {&Controls::HourUpDown, "5", +1, "6"},
        {&Controls::AnnUpDown, "60", +1, "60"},
        {&Controls::AnnUpDown, "1", -1, "1"},
        {&Controls::AnnUpDown, "15", +1, "16"},
        {&Controls::AlmIntUpDown, "0", -1, "0"},
        {&Controls::AlmIntUpDown, "60", +1, "60"},
        {&Controls::QuietFromHourUpDown, "23", +1, "00"},
        {&Controls::QuietUntilMinUpDown, "00", -1, "59"},
        {&Controls::SnoozeUpDown, "60", +1, "60"},
        {&Controls::SnoozeUpDown, "1", -1, "1"},
    };
    for (const Row& r : rows) {
        createAt(false, 9, 0);
        runDialog(
            [&](Controls& d) {
                UpDownButtons* ud = d.*r.upDown;
                ud->associate()->setText(r.start);
                ud->step(r.delta);
                EXPECT_EQ(ud->associate()->text(), r.after)
                    << ud->objectName().toStdString() << " from " << r.start;
            },
            false);
    }
    EXPECT_TRUE(boxes.empty());
}

TEST_F(AlarmDialogTest, ArrowKeysInTheFieldStepLikeTheButtons) {
    createAt(true, 23, 59);
    runDialog(
        [](Controls& d) {
            QKeyEvent up(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier);
            QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(d.MinEdit, &up);
            EXPECT_EQ(d.MinEdit->text(), "00");
            QCoreApplication::sendEvent(d.HourEdit, &up);
            EXPECT_EQ(d.HourEdit->text(), "0");
            QCoreApplication::sendEvent(d.AlarmIntEdit, &down); // read-only, still steps
            EXPECT_EQ(d.AlarmIntEdit->text(), "4");
        },
        true);
    EXPECT_EQ(cfg().FAlarmHour, 0);
    EXPECT_EQ(cfg().FAlarmMinute, 0);
    EXPECT_EQ(cfg().FAlarmRepeat, 4u);
}

TEST_F(AlarmDialogTest, MinutesArePaddedWhenShownAndWhenLeftButOtherFieldsNever) {
    createAt(true, 5, 7);
    editSettings([&](SettingsRecord& rec) { rec.FAnnounceInterval = 5; });
    runDialog(
        [](Controls& d) {
            EXPECT_EQ(d.MinEdit->text(), "07");
            EXPECT_EQ(d.HourEdit->text(), "5");
            EXPECT_EQ(d.AnnEdit->text(), "5");
            d.MinEdit->setText("3");
            QFocusEvent out(QEvent::FocusOut);
            QCoreApplication::sendEvent(d.MinEdit, &out);
            EXPECT_EQ(d.MinEdit->text(), "03");
            d.MinEdit->setText("");
            QCoreApplication::sendEvent(d.MinEdit, &out);
            EXPECT_EQ(d.MinEdit->text(), "");
            d.QuietUntilHourEdit->setText("7"); // quiet times read HH:MM, the snooze never pads
            d.SnoozeEdit->setText("5");
            QCoreApplication::sendEvent(d.QuietUntilHourEdit, &out);
            QCoreApplication::sendEvent(d.SnoozeEdit, &out);
            EXPECT_EQ(d.QuietUntilHourEdit->text(), "07");
            EXPECT_EQ(d.SnoozeEdit->text(), "5");
        },
        true);
    EXPECT_EQ(cfg().FAlarmMinute, 0);
}

TEST_F(AlarmDialogTest, BrowsePresetsTheFieldAndACancelKeepsIt) {
    struct Row {
        QString chosen; // empty: cancelled
        QString field;
    } rows[] = {{"/home/ann/Sounds/gong ☎.wav", "/home/ann/Sounds/gong ☎.wav"},
                {"", "/home/ann/old.wav"}};
    for (const Row& r : rows) {
        createAt(true, 9, 0);
        editSettings([&](SettingsRecord& rec) { rec.FAlarmSound = 5; });
        editSettings([&](SettingsRecord& rec) { rec.AlarmWaveFile = "/home/ann/old.wav"; });
        QString preset;
        fakes.dialogs.chooseFile = [&](QWidget*, const QString& p) {
            preset = p;
            return r.chosen;
        };
        runDialog(
            [&](Controls& d) {
                d.BrButton->click();
                EXPECT_EQ(d.WaveFileEdit->text(), r.field);
            },
            true);
        EXPECT_EQ(preset, "/home/ann/old.wav");
        EXPECT_EQ(cfg().AlarmWaveFile, r.field);
    }
}

TEST_F(AlarmDialogTest, PreviewPlaysWhatTheDialogShows) {
    struct Row {
        int index;
        std::vector<Kind> calls;
    } rows[] = {{5, {Kind::File}}, {0, {Kind::Beep}}, {4, {Kind::Memory}}, {-1, {}}};
    for (const Row& r : rows) {
        createAt(true, 9, 0);
        editSettings([&](SettingsRecord& rec) { rec.FAlarmSound = 1; });
        editSettings([&](SettingsRecord& rec) { rec.AlarmWaveFile = "/stored.wav"; });
        runDialog(
            [&](Controls& d) {
                d.AlarmSoundCombo->setCurrentIndex(r.index);
                d.WaveFileEdit->setText("/typed in field.wav");
                d.PreviewButton->click();
            },
            false);
        std::vector<Kind> kinds;
        for (const auto& c : fakes.sound.calls)
            kinds.push_back(c.kind);
        EXPECT_EQ(kinds, r.calls) << r.index;
        if (r.index == 5) {
            EXPECT_EQ(fakes.sound.calls[0].path, "/typed in field.wav");
        }
        fakes.sound.calls.clear();
    }
}

// No sound chosen stays no sound through OK, saving and the next start: the alarm then plays
// nothing at all (it used to come back as the beep).
TEST_F(AlarmDialogTest, NoSoundSurvivesOkSavingAndRestarting) {
    createAt(true, 9, 0);
    editSettings([&](SettingsRecord& rec) { rec.FAlarmSound = 6; });
    runDialog([](Controls& d) { EXPECT_EQ(d.AlarmSoundCombo->currentIndex(), -1); }, true);
    EXPECT_EQ(cfg().FAlarmSound, -1);
    destroy();
    const auto stored = fakes.store.readValue("Software\\Vessantry\\Quorlan Lite", "SNumSettings");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->substr(8, 2), "06");
    create();
    app->setClockData(&clockData());
    EXPECT_EQ(cfg().FAlarmSound, 6);
    onAlert = [](AlarmAlert& a) {
        a.AlarmTimerTimer();
        return 1;
    };
    ringAlarm();
    EXPECT_EQ(alerts, 1);
    EXPECT_EQ(fakes.sound.count(Kind::Beep), 0u);
    EXPECT_EQ(fakes.sound.count(Kind::Memory) + fakes.sound.count(Kind::File), 0u);
    runDialog([](Controls& d) { EXPECT_EQ(d.AlarmSoundCombo->currentIndex(), -1); }, false);
}

TEST_F(AlarmDialogTest, HelpOpensTheAlarmPageOrSaysItIsMissing) {
    createAt(true, 9, 0);
    std::vector<QUrl> opened;
    fakes.dialogs.browser = [&](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    runDialog([](Controls& d) { d.HelpButton->click(); }, false);
    EXPECT_TRUE(opened.empty());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].kind, MessageKind::Error);
    QDir(dir.path()).mkdir("help");
    QFile page(dir.path() + "/help/alarm.html");
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.close();
    runDialog([](Controls& d) { d.HelpButton->click(); }, false);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile(dir.path() + "/help/alarm.html"));
    EXPECT_EQ(boxes.size(), 1u);
}

TEST_F(AlarmDialogTest, TheMenuItemOpensTheDialogToo) {
    createAt(true, 9, 0);
    int opened = 0;
    onDialog = [&](AlarmDialog&) { return ++opened, 0; };
    menu("MainPopupMenu")->findChild<QAction*>("MenuItem3")->trigger();
    EXPECT_EQ(opened, 1);
}

} // namespace
} // namespace ql
