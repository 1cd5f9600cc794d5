// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "unit/app/MainWindowFixture.h"

#include "alarm/AlarmAlert.h"
#include "alarm/AlarmDialog.h"
#include "face/ClockData.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <functional>

namespace ql {

// A main window on fakes with the built-in sounds loaded; alerts and the alarm dialog are
// handed to the test instead of being run.
class AlarmFixture : public MainWindowFixture {
  protected:
    using Kind = FakeSoundPlayer::Kind;
    struct Message {
        MessageKind kind;
        QString title, text;
    };

    std::vector<Message> boxes;
    int alerts = 0;
    std::function<int(AlarmAlert&)> onAlert = [](AlarmAlert&) { return 1; };
    std::function<int(AlarmDialog&)> onDialog = [](AlarmDialog&) { return 0; };

    static ClockData& clockData() {
        static ClockData data;
        return data;
    }

    void SetUp() override {
        MainWindowFixture::SetUp();
        fakes.dialogs.message = [this](MessageKind kind, const QString& title,
                                       const QString& text) {
            boxes.push_back({kind, title, text});
        };
        fakes.dialogs.dialog = [this](QDialog& d) {
            if (auto* alert = qobject_cast<AlarmAlert*>(&d)) {
                ++alerts;
                return onAlert(*alert);
            }
            if (auto* dialog = qobject_cast<AlarmDialog*>(&d)) return onDialog(*dialog);
            ADD_FAILURE() << "unexpected dialog " << d.objectName().toStdString();
            return 0;
        };
    }
    void TearDown() override { MainWindowFixture::TearDown(); }

    // A window at 09:00 with the alarm set for 07:30, sound `sound`, repeated every `repeat` s.
    void createWithAlarm(int sound = 3, unsigned repeat = 5) {
        destroy();
        storeCurrentSettings();
        fakes.clock.set(9, 0, 0);
        create();
        app->setClockData(&clockData());
        editSettings([&](SettingsRecord& rec) { rec.FAlarmOn = true; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmHour = 7; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmMinute = 30; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmSound = sound; });
        editSettings([&](SettingsRecord& rec) { rec.FAlarmRepeat = repeat; });
    }

    // The alarm's minute comes: the tick rings it, and the alert opens once the tick is over.
    void ringAlarm() { tickAt(cfg().FAlarmHour, cfg().FAlarmMinute, 0); }

    static QPushButton* okButton(AlarmAlert& alert) {
        auto* button = alert.findChild<QPushButton*>("OKButton");
        EXPECT_NE(button, nullptr);
        return button;
    }
    static QTimer* alarmTimer(AlarmAlert& alert) {
        auto* timer = alert.findChild<QTimer*>("AlarmTimer");
        EXPECT_NE(timer, nullptr);
        return timer;
    }

    std::size_t sounds() const { return fakes.sound.calls.size(); }

    // Lets timers and queued calls run until `done` holds or a time only a fault exceeds.
    static bool processUntil(const std::function<bool()>& done, int limitMs = 5000) {
        QElapsedTimer t;
        t.start();
        while (!done() && t.elapsed() < limitMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        return done();
    }
};

} // namespace ql
