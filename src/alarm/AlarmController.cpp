// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/AlarmController.h"

#include "alarm/AlarmAlert.h"
#include "alarm/AlarmDays.h"
#include "alarm/AlarmSound.h"
#include "alarm/WaveList.h"
#include "common/Dialogs.h"
#include "platform/DesktopNotifier.h"
#include "platform/SoundPlayer.h"
#include "settings/DayMask.h"
#include "settings/Settings.h"

#include <QTimer>

#include <utility>

namespace ql {

AlarmController::~AlarmController() = default;

AlarmController::AlarmController(const Settings& settings, SoundPlayer& sound, SpeakTime speakTime,
                                 Dialogs& dialogs, DesktopNotifier& notifier, QObject* parent)
    : QObject(parent), settings_(settings), sound_(sound), speakTime_(std::move(speakTime)),
      dialogs_(dialogs), notifier_(notifier) {}

void AlarmController::check(const LocalTime& now) {
    const SettingsRecord& s = settings_.values();
    if (!s.FAlarmOn) snooze_.cancel(); // switched off while snoozed: it is off
    if (showing_) return;
    if (snooze_.due(now)) return raise();
    if (!s.FAlarmOn || done_ || now.hour != s.FAlarmHour || now.minute != s.FAlarmMinute ||
        !holdsDay(s.alarmDays, now))
        return;
    raise();
}

void AlarmController::clockMoved(const LocalTime& before, const LocalTime& now) {
    const SettingsRecord& s = settings_.values();
    if (!s.FAlarmOn || showing_ ||
        !alarmMinuteSkipped(before, now, s.FAlarmHour, s.FAlarmMinute, s.alarmDays))
        return;
    const QString at = QStringLiteral("%1:%2")
                           .arg(s.FAlarmHour, 2, 10, QLatin1Char('0'))
                           .arg(s.FAlarmMinute, 2, 10, QLatin1Char('0'));
    notifier_.notify(QStringLiteral("Alarm at %1 was missed").arg(at),
                     QStringLiteral("The computer was asleep or its clock was changed."));
}

void AlarmController::raise() {
    // Set before the alert opens, so no later tick raises it again; the alert opens from its
    // own event once this tick is over, so the tick goes on inside the alert's loop.
    showing_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!closed_) Alarm();
    });
}

void AlarmController::Alarm() {
    AlarmAlert alert(*this);
    snooze_.cancel(); // one alarm at a time: this one may be snoozed in its turn
    showing_ = true;
    emit alerting();
    const int result = dialogs_.run(alert);
    if (closed_) return; // the close ended the alert's loop; the clock is gone
    alert.stopRepeating();
    showing_ = false;
    done_ = true;
    if (result != AlarmAlert::Snoozed) return;
    sound_.stop(); // snoozing silences at once, a long wave file too
    snooze_.start(settings_.values().snoozeMinutes);
}

void AlarmController::PlayAlarmSound(int sound, const QString& path) {
    playAlarmSound(sound_, &builtInSounds(), sound, path);
}

int AlarmController::repeatSeconds() const {
    return static_cast<int>(settings_.values().FAlarmRepeat);
}

int AlarmController::snoozeMinutes() const {
    return settings_.values().snoozeMinutes;
}

bool AlarmController::preAnnounce(std::function<void()> spoken) {
    const SettingsRecord& s = settings_.values();
    return s.FAnnounceBeforeAlarm && speakTime_(s.FSpeechVolume, std::move(spoken));
}

void AlarmController::ring() {
    PlayAlarmSound(settings_.values().FAlarmSound, settings_.values().AlarmWaveFile);
}

const WaveList& AlarmController::builtInSounds() {
    if (!sounds_)
        sounds_ =
            std::make_unique<const WaveList>(QStringList{"Yipe", "Lazer", "Whistle", "Fanfare"});
    return *sounds_;
}

} // namespace ql
