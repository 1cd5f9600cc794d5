// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "face/FaceView.h"

#include "alarm/AlarmAlert.h"

#include <QMenu>

namespace ql {
namespace {

class TickTest : public MainWindowFixture {
  protected:
    int alertsShown = 0;

    void SetUp() override {
        MainWindowFixture::SetUp();
        fakes.dialogs.dialog = [this](QDialog& d) {
            alertsShown += qobject_cast<AlarmAlert*>(&d) != nullptr;
            return int(QDialog::Accepted);
        };
    }
    int alarms() const { return alertsShown; }
    // Runs ticks once per simulated second from h:m:s for the given number of seconds.
    void runSeconds(int h, int m, int s, int seconds) {
        for (int i = 0; i < seconds; ++i) {
            const int t = (h * 3600 + m * 60 + s + i) % 86400;
            tickAt(t / 3600, t / 60 % 60, t % 60);
            settle();
        }
    }
    std::vector<int> announcedMinutes(int interval, int startMinute, int minutes) {
        std::vector<int> at;
        storeCurrentSettings("0001", QString("%1").arg(interval, 2, 10, QChar('0')).toLatin1());
        fakes.clock.set(9, startMinute, 0);
        create();
        for (int m = startMinute; m < startMinute + minutes; ++m) {
            const int before = speakCalls;
            tickAt(9 + m / 60, m % 60, 0);
            settle();
            if (speakCalls > before) at.push_back(m % 60);
        }
        return at;
    }
};

TEST_F(TickTest, AnnouncementsFallOnMultiplesOfTheInterval) {
    struct Row {
        int interval, start, minutes;
        std::vector<int> expected;
    } rows[] = {
        {7, 1, 60, {7, 14, 21, 28, 35, 42, 49, 56, 0}},
        {45, 1, 60, {45, 0}},
        {60, 1, 60, {0}},
        {15, 30, 31, {30, 45, 0}}, // started on a multiple: the first tick announces
        {15, 0, 16, {15}},         // started at minute 0: the first tick sees no change of minute
    };
    for (const auto& r : rows) {
        EXPECT_EQ(announcedMinutes(r.interval, r.start, r.minutes), r.expected) << r.interval;
        destroy();
        fakes.journal.entries.clear();
    }
}

// Times are "<weekday>HH:MM", reached by the clock in that order; "*" marks those announced.
TEST_F(TickTest, QuietHoursAndDaysSkipPeriodicAnnouncements) {
    struct Row {
        int quiet[4]; // from hour, minute, until hour, minute
        int interval, days;
        QString times;
    } rows[] = {
        {{22, 0, 7, 0}, 15, 0x7F, "*Mo21:45 Mo22:00 Mo23:45 Tu00:00 Tu06:45 *Tu07:00 *Tu07:15"},
        {{8, 0, 8, 0}, 60, 0x7F, "*Mo07:00 *Mo08:00 *Mo09:00"}, // equal times: no quiet hours
        {{23, 0, 0, 0}, 60, 0x7F, "*Mo22:00 Mo23:00 *Tu00:00"},
        {{0, 0, 0, 0}, 60, 0x1F, "*Fr23:00 Sa00:00 Su23:00 *Mo00:00"},
        {{22, 0, 7, 0}, 60, 0x40, "Sa12:00 Su06:00 *Su07:00 Su22:00 Mo12:00"},
        // Clocks going back: the wall clock shows the hour twice, and so it is announced twice.
        {{0, 0, 0, 0}, 30, 0x7F, "*Su02:00 *Su02:30 *Su02:00 *Su02:30 *Su03:00"},
    };
    const QString week = "SuMoTuWeThFrSa"; // LocalTime counts from Sunday = 1
    for (const Row& r : rows) {
        SCOPED_TRACE(r.times.toStdString());
        storeCurrentSettings("0001", QByteArray::number(r.interval).rightJustified(2, '0'));
        create();
        editSettings([&](SettingsRecord& rec) {
            rec.quietFromHour = r.quiet[0], rec.quietFromMinute = r.quiet[1];
            rec.quietUntilHour = r.quiet[2], rec.quietUntilMinute = r.quiet[3];
            rec.announceDays = r.days;
        });
        QStringList heard;
        int lastMinute = -1;
        for (QString t : r.times.split(' ')) {
            t.remove('*');
            const int weekday = int(week.indexOf(t.left(2))) / 2 + 1;
            fakes.clock.setDate(weekday, weekday);
            // The clock announces on a change of minute: where the jump would not change it,
            // the minute before comes first, as it does on a real clock.
            const int minutes = t.mid(2, 2).toInt() * 60 + t.mid(5, 2).toInt();
            if (lastMinute == -1 || minutes % 60 == lastMinute) {
                tickAt((minutes + 1439) / 60 % 24, (minutes + 1439) % 60, 0);
                settle();
            }
            lastMinute = minutes % 60;
            const int before = speakCalls;
            tickAt(minutes / 60, minutes % 60, 0);
            settle();
            heard << (speakCalls > before ? "*" : "") + t;
        }
        EXPECT_EQ(heard.join(' ').toStdString(), r.times.toStdString());
        EXPECT_TRUE(fakes.sound.calls.empty()) << "a chime only when chosen";
        destroy();
    }
}

// The chime (heard out before the voice) only before the periodic announcement; quiet hours
// silence only that.
TEST_F(TickTest, ChimeAndQuietHoursConcernOnlyPeriodicAnnouncements) {
    storeCurrentSettings("0001", "01");
    create();
    editSettings([](SettingsRecord& rec) {
        rec.chimeOn = true;
        rec.quietFromHour = 10, rec.quietUntilHour = 11;
        rec.FAnnounceBeforeAlarm = true;
    });
    tickAt(9, 59, 0);
    settle();
    ASSERT_EQ(speakCalls, 1);
    tickAt(10, 0, 0); // quiet
    settle();
    button("AnnounceButton")->click();
    settle();
    app->speechCommands().Speak1Click();
    settle();
    app->speechCommands().GlobalSpeechKeyKeyDown();
    settle();
    EXPECT_EQ(speakCalls, 4) << "the three requests speak in quiet hours, the tick does not";
    EXPECT_EQ(fakes.sound.calls.size(), 1u);
    editSettings([](SettingsRecord& rec) {
        rec.FAlarmOn = true, rec.FAlarmHour = 10, rec.FAlarmMinute = 1;
    });
    fakes.dialogs.dialog = [](QDialog& d) {
        qobject_cast<AlarmAlert*>(&d)->FormActivate(); // speaks the time first
        return int(QDialog::Accepted);
    };
    tickAt(10, 1, 0);
    settle();
    EXPECT_EQ(speakCalls, 5);
    EXPECT_EQ(fakes.sound.count(FakeSoundPlayer::Kind::MemoryAndWait), 1u);
}

TEST_F(TickTest, AnnouncementUsesTheSpeechVolumeAndRestoresTheStartUpVolume) {
    storeCurrentSettings("0001", "01000000006540");
    create();
    speechHeld = true; // the voice goes on until the checks below are done
    tickAt(10, 31, 0);
    EXPECT_TRUE(app->announcer().speaking());
    EXPECT_FALSE(action("MI_Speak")->isEnabled());
    speechHeld = false;
    settle();
    EXPECT_FALSE(app->announcer().speaking());
    EXPECT_TRUE(action("MI_Speak")->isEnabled());
    EXPECT_EQ(fakes.gain.sets, (std::vector<std::uint16_t>{65000, 0xFFFF}));
}

TEST_F(TickTest, AnAnnouncementDueWhileSpeakingIsDropped) {
    storeCurrentSettings("0001", "01");
    create();
    startSpeaking();
    tickAt(10, 31, 0);
    tickAt(10, 32, 0);
    stopSpeaking();
    tickAt(10, 32, 1);
    EXPECT_EQ(speakCalls, 1) << "only the announcement already speaking";
    EXPECT_EQ(fakes.gain.sets.size(), 2u) << "its speech volume and the restore";
}

TEST_F(TickTest, NoVoiceMeansNoAnnouncementButTheTickGoesOn) {
    fakes.libraries.libraries.clear();
    storeCurrentSettings("00011", "01073000");
    create();
    tickAt(7, 30, 0);
    EXPECT_EQ(speakCalls, 0);
    EXPECT_EQ(alarms(), 1);
}

TEST_F(TickTest, AlarmGoesOffOncePerMatchingMinuteAndAgainNextDay) {
    storeCurrentSettings("00001", "60073000");
    fakes.clock.set(7, 29, 50);
    create();
    runSeconds(7, 29, 50, 75); // through 07:30 into 07:31
    EXPECT_EQ(alarms(), 1);
    fakes.clock.setDate(8, 3);
    runSeconds(7, 29, 59, 3);
    EXPECT_EQ(alarms(), 2);
}

TEST_F(TickTest, StartedInTheAlarmMinuteTheFirstTickRaisesIt) {
    storeCurrentSettings("00001", "60073000");
    fakes.clock.set(7, 30, 0);
    create();
    tickAt(7, 30, 0);
    EXPECT_EQ(alarms(), 1);
}

TEST_F(TickTest, AJumpOverTheAlarmMinuteMakesNothingUp) {
    storeCurrentSettings("00011", "01073000");
    fakes.clock.set(7, 29, 0);
    create();
    tickAt(7, 29, 0);
    settle();
    const int spoken = speakCalls;
    tickAt(7, 31, 0);
    settle();
    EXPECT_EQ(alarms(), 0);
    EXPECT_EQ(speakCalls, spoken + 1); // only the minute reached is announced
}

TEST_F(TickTest, BackwardJumpsCountAsChanges) {
    storeCurrentSettings("00001", "60073000");
    fakes.clock.set(7, 31, 0);
    create();
    tickAt(7, 31, 0);
    tickAt(7, 30, 5); // the clock was set back into the alarm minute
    EXPECT_EQ(alarms(), 1);
    tickAt(7, 30, 6);
    EXPECT_EQ(alarms(), 1);
}

TEST_F(TickTest, AlarmIsNotRaisedWhileTheAlertIsShowing) {
    storeCurrentSettings("00001", "60073000");
    fakes.clock.set(7, 30, 0);
    create();
    int inner = 0;
    fakes.dialogs.dialog = [&](QDialog&) {
        ++inner;
        tickAt(7, 30, 1); // ticks go on inside the modal alert
        tickAt(7, 31, 0);
        tickAt(7, 30, 0);
        return int(QDialog::Accepted);
    };
    tickAt(7, 30, 0);
    EXPECT_EQ(inner, 1);
    EXPECT_TRUE(app->alarm().done());
    EXPECT_FALSE(app->alarm().showing());
}

// The alert opens from its own event after the tick, so the tick never waits inside its loop;
// a tick that comes before that event must not queue a second one.
TEST_F(TickTest, TheAlertOpensAfterItsTickAndOnlyOnce) {
    storeCurrentSettings("00001", "60073000");
    fakes.clock.set(7, 30, 0);
    create();
    fakes.ticks.fire();
    EXPECT_TRUE(app->alarm().showing());
    EXPECT_EQ(alarms(), 0) << "opened inside the tick";
    fakes.clock.set(7, 30, 1);
    fakes.ticks.fire();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(alarms(), 1);
    EXPECT_TRUE(app->alarm().done());
}

TEST_F(TickTest, TheFirstTickShowsTheWindowOnceAndLaterTicksDoNotRepeatIt) {
    storeCurrentSettings();
    create();
    tickAt(10, 0, 0);
    EXPECT_TRUE(form->isVisible());
    form->hide();
    tickAt(10, 0, 1);
    EXPECT_FALSE(form->isVisible());
}

TEST_F(TickTest, SmallLayoutBlinksTheColonEverySecond) {
    storeCurrentSettings("0", "60000001");
    create();
    // MiscList 20 is the lit colon, 21 the dark one; the last item of the small time.
    const auto colon = [&] {
        const FaceCell& time = face()->state().cell(CellId::MT);
        return int(time[time.count() - 1].index);
    };
    std::vector<int> shown;
    for (int s = 1; s <= 4; ++s) {
        tickAt(10, 0, s);
        shown.push_back(colon());
        tickAt(10, 0, s); // no change: no blink
        EXPECT_EQ(colon(), shown.back());
    }
    EXPECT_EQ(shown, (std::vector<int>{20, 21, 20, 21}));
}

} // namespace
} // namespace ql
