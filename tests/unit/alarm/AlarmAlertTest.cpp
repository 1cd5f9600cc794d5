// SPDX-License-Identifier: GPL-3.0-or-later
#include "AlarmFixture.h"
#include "alarm/SoundResources.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QThread>

#include <stdexcept>

namespace ql {
namespace {

// What the clock looked like at the moment the plug-in spoke (on the speech worker, while the
// user-interface thread waits in the test's loop).
struct SpokenState {
    std::size_t soundsBefore;
    bool speechControlsEnabled;
    bool speaking;
    std::uint16_t level;
};
inline std::vector<SpokenState> spoken;

class AlarmAlertTest : public AlarmFixture {
  protected:
    static inline AlarmAlertTest* current = nullptr;

    void SetUp() override {
        AlarmFixture::SetUp();
        spoken.clear();
        current = this;
    }
    void TearDown() override {
        current = nullptr;
        AlarmFixture::TearDown();
    }
    static void recordingSpeak() {
        auto& f = *current;
        spoken.push_back({f.sounds(), f.action("MI_Speak")->isEnabled(),
                          f.app->announcer().speaking(), f.fakes.gain.current});
    }
    // Activates the alert and waits for its first sound, which follows the spoken time.
    static int activateAndRing(AlarmAlert& a, std::size_t ringsBefore = 0) {
        a.FormActivate();
        EXPECT_TRUE(processUntil([&] { return current->sounds() > ringsBefore; }));
        return 1;
    }
    void announceBeforeAlarm(int volume) {
        editSettings([&](SettingsRecord& rec) { rec.FAnnounceBeforeAlarm = true; });
        editSettings([&](SettingsRecord& rec) { rec.FSpeechVolume = volume; });
        speakHook = recordingSpeak;
    }
};

TEST_F(AlarmAlertTest, AWindowOfItsOwnWithoutTitleBarButtons) {
    createWithAlarm();
    onAlert = [](AlarmAlert& a) {
        EXPECT_EQ(a.parentWidget(), nullptr); // owned by no window: shows while the clock hides
        const Qt::WindowFlags f = a.windowFlags();
        EXPECT_TRUE(f & Qt::CustomizeWindowHint);
        for (Qt::WindowType no : {Qt::WindowSystemMenuHint, Qt::WindowCloseButtonHint,
                                  Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint})
            EXPECT_FALSE(f & no) << no;
        EXPECT_TRUE(okButton(a)->isDefault());
        okButton(a)->click();
        return a.result();
    };
    ringAlarm();
    EXPECT_EQ(alerts, 1);
}

TEST_F(AlarmAlertTest, ShownForRealItSoundsAndReturnConfirms) {
    createWithAlarm(2, 0);
    form->hide(); // in the tray
    onAlert = [this](AlarmAlert& a) {
        a.show();
        EXPECT_TRUE(a.isVisible());
        // By activation, or by the grace period when no window manager activates it.
        EXPECT_TRUE(processUntil([&] { return sounds() >= 1; }));
        okButton(a)->click();
        EXPECT_FALSE(a.isVisible());
        return a.result();
    };
    ringAlarm();
    EXPECT_EQ(fakes.sound.count(Kind::Memory), 1u);
    EXPECT_FALSE(app->alarm().showing());
    EXPECT_TRUE(app->alarm().done());
}

TEST_F(AlarmAlertTest, PreAnnouncementOnlyWhenAskedAVoiceIsLoadedAndNothingSpeaks) {
    struct Row {
        bool before, speaking, voice, spoken;
    } rows[] = {
        {true, false, true, true},
        {true, true, true, false},
        {true, false, false, false},
        {false, false, true, false},
    };
    for (const Row& r : rows) {
        spoken.clear();
        if (!r.voice) fakes.libraries.libraries.clear();
        createWithAlarm();
        announceBeforeAlarm(40);
        editSettings([&](SettingsRecord& rec) { rec.FAnnounceBeforeAlarm = r.before; });
        if (r.speaking) startSpeaking();
        onAlert = [](AlarmAlert& a) { return activateAndRing(a); };
        ringAlarm();
        EXPECT_EQ(spoken.size(), r.spoken ? 1u : 0u) << r.before << r.speaking << r.voice;
        EXPECT_EQ(sounds(), 1u) << "the sound starts either way";
        EXPECT_EQ(app->announcer().speaking(), r.speaking)
            << "only an announcement already running still speaks";
        stopSpeaking();
        fakes.sound.calls.clear();
        fakes.gain.sets.clear();
        installVoice("English (Test)", countingSpeak);
    }
}

TEST_F(AlarmAlertTest, SpokenFirstThenTheSoundAtTheSpeechVolumeWhichStays) {
    createWithAlarm(3);
    announceBeforeAlarm(50);
    onAlert = [](AlarmAlert& a) { return activateAndRing(a); };
    ringAlarm();
    ASSERT_EQ(spoken.size(), 1u);
    EXPECT_EQ(spoken[0].soundsBefore, 0u);
    EXPECT_FALSE(spoken[0].speechControlsEnabled);
    EXPECT_TRUE(spoken[0].speaking) << "on the worker: no announcement may start meanwhile";
    EXPECT_EQ(spoken[0].level, 50000);
    EXPECT_TRUE(action("MI_Speak")->isEnabled());
    EXPECT_EQ(fakes.gain.sets, (std::vector<std::uint16_t>{50000}));
    ASSERT_EQ(sounds(), 1u);
    ensureSoundResources();
    QFile whistle(QStringLiteral(":/sounds/Whistle.wav"));
    ASSERT_TRUE(whistle.open(QIODevice::ReadOnly));
    ASSERT_TRUE(fakes.sound.calls[0].wave);
    EXPECT_EQ(*fakes.sound.calls[0].wave, whistle.readAll());
}

TEST_F(AlarmAlertTest, AVoiceThatThrowsStillLeavesTheSoundAndTheControls) {
    createWithAlarm(3);
    announceBeforeAlarm(40);
    speakHook = [] { throw std::runtime_error("broken voice"); };
    onAlert = [](AlarmAlert& a) { return activateAndRing(a); };
    EXPECT_NO_THROW(ringAlarm());
    EXPECT_TRUE(action("MI_Speak")->isEnabled());
    EXPECT_EQ(sounds(), 1u);
}

TEST_F(AlarmAlertTest, RepeatsUntilConfirmedAndTheLastSoundIsNotCutOff) {
    for (unsigned repeat : {0u, 1u}) { // 0: once per activation, never repeated
        createWithAlarm(5, repeat);
        fakes.sound.calls.clear();
        editSettings([&](SettingsRecord& rec) { rec.AlarmWaveFile = "/home/ann/gong.wav"; });
        onAlert = [&](AlarmAlert& a) {
            a.FormActivate();
            processUntil([&] { return sounds() >= (repeat ? 3u : 2u); }, repeat ? 5000 : 1500);
            EXPECT_EQ(alarmTimer(a)->isActive(), repeat > 0);
            return 1;
        };
        ringAlarm();
        const std::size_t played = sounds();
        EXPECT_TRUE(repeat ? played >= 3 : played == 1) << repeat << ": " << played;
        EXPECT_EQ(fakes.sound.count(Kind::File), played);
        EXPECT_EQ(fakes.sound.calls.back().path, "/home/ann/gong.wav");
        processUntil([] { return false; }, 1200);
        EXPECT_EQ(sounds(), played) << "repetitions stop with the alert";
        EXPECT_EQ(fakes.sound.count(Kind::Stop), 0u);
    }
}

TEST_F(AlarmAlertTest, ReactivationSpeaksAndSoundsAgainButKeepsTheRhythm) {
    createWithAlarm(1, 5);
    announceBeforeAlarm(40);
    onAlert = [this](AlarmAlert& a) {
        activateAndRing(a);
        const int remaining = alarmTimer(a)->remainingTime();
        QThread::msleep(300);
        activateAndRing(a, 1); // the user came back to the alert from another window
        EXPECT_EQ(spoken.size(), 2u);
        EXPECT_EQ(sounds(), 2u);
        EXPECT_TRUE(alarmTimer(a)->isActive());
        EXPECT_LE(alarmTimer(a)->remainingTime(), remaining - 250) << "the timer was restarted";
        return 1;
    };
    ringAlarm();
    EXPECT_EQ(alerts, 1);
}

TEST_F(AlarmAlertTest, OpenPastItsMinuteItRaisesNoOtherAlarmAndReturnsTheNextDay) {
    createWithAlarm();
    tickAt(7, 29, 58);
    onAlert = [this](AlarmAlert& a) {
        a.FormActivate();
        for (int s = 59; s < 60 * 3; ++s) // ticks go on for three minutes inside the alert
            tickAt(7, 29 + s / 60, s % 60);
        tickAt(7, 30, 30); // even a clock set back into the alarm minute
        EXPECT_TRUE(app->alarm().showing());
        return 1;
    };
    tickAt(7, 30, 0);
    EXPECT_EQ(alerts, 1);
    EXPECT_TRUE(app->alarm().done());
    EXPECT_FALSE(app->alarm().showing());
    tickAt(7, 30, 31);
    EXPECT_EQ(alerts, 1) << "closed within the minute, it does not reopen";
    tickAt(7, 31, 0);
    EXPECT_FALSE(app->alarm().done()) << "re-armed by the change of minute";
    fakes.clock.setDate(8, 3);
    tickAt(7, 29, 59);
    tickAt(7, 30, 0);
    EXPECT_EQ(alerts, 2);
}

// Snooze silences the alert and rings again, spoken first, once its minutes have passed on the
// clock: a clock set back does not count, a suspend does. OK ends it, and so does switching the
// alarm off while snoozed. The alarm rings only on its days, and a jump over its minute on one of
// them (the alarm on) tells the user instead.
TEST_F(AlarmAlertTest, SnoozeDaysAndTheMissedAlarm) {
    createWithAlarm(3, 5);
    announceBeforeAlarm(40);
    editSettings([](SettingsRecord& rec) { rec.snoozeMinutes = 5; });
    const std::vector<bool> snooze{true, true, false, true};
    onAlert = [&](AlarmAlert& a) {
        auto* button = a.findChild<QPushButton*>("SnoozeButton");
        EXPECT_NE(button, nullptr);
        if (!button) return 0;
        EXPECT_EQ(okButton(a)->geometry(), QRect(72, 89, 75, 28)) << "OK stays where it was";
        EXPECT_EQ(button->geometry(), QRect(155, 89, 56, 28));
        activateAndRing(a, sounds());
        (snooze.at(static_cast<std::size_t>(alerts - 1)) ? button : okButton(a))->click();
        return a.result();
    };
    tickAt(7, 30, 0);
    EXPECT_EQ(fakes.sound.calls.back().kind, Kind::Stop) << "snoozing silences at once";
    tickAt(7, 30, 5); // the count starts at this reading
    tickAt(7, 32, 0);
    tickAt(7, 31, 0); // set back: these minutes do not count
    tickAt(7, 34, 4);
    EXPECT_EQ(alerts, 1);
    tickAt(7, 34, 5);
    EXPECT_EQ(alerts, 2);
    EXPECT_EQ(spoken.size(), 2u);
    tickAt(7, 34, 6);
    tickAt(9, 0, 0); // woken from a suspend
    EXPECT_EQ(alerts, 3);
    EXPECT_FALSE(app->alarm().snoozed()) << "OK ends it";

    fakes.clock.setDate(8, 3);
    tickAt(7, 30, 0);
    EXPECT_TRUE(app->alarm().snoozed());
    editSettings([](SettingsRecord& rec) { rec.FAlarmOn = false; });
    tickAt(7, 30, 10);
    editSettings([](SettingsRecord& rec) { rec.FAlarmOn = true; });
    tickAt(7, 40, 0);
    EXPECT_EQ(alerts, 4) << "switched off, the snooze is gone";
    EXPECT_FALSE(app->alarm().snoozed());

    fakes.clock.setDate(9, 4); // Wednesday, the alarm switched off: no notice for a jump
    editSettings([](SettingsRecord& rec) { rec.FAlarmOn = false; });
    tickAt(7, 29, 0);
    tickAt(7, 31, 0);
    editSettings([](SettingsRecord& rec) { rec.FAlarmOn = true, rec.alarmDays = 0x08; }); // Thu
    tickAt(7, 29, 0);
    tickAt(7, 31, 0);
    tickAt(7, 30, 0);
    EXPECT_EQ(alerts, 4) << "not on a Wednesday";
    fakes.clock.setDate(10, 5); // asleep into Thursday, past its alarm
    tickAt(7, 31, 0);
    EXPECT_EQ(alerts, 4);
    EXPECT_EQ(fakes.notifier.summaries, QStringList{"Alarm at 07:30 was missed"});
}

} // namespace
} // namespace ql
