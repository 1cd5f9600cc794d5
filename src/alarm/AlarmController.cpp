// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/AlarmController.h"

#include "alarm/AlarmAlert.h"
#include "alarm/AlarmSound.h"
#include "alarm/WaveList.h"
#include "common/Dialogs.h"
#include "settings/Settings.h"

#include <QTimer>

#include <utility>

namespace ql {

AlarmController::~AlarmController() = default;

AlarmController::AlarmController(const Settings& settings, SoundPlayer& sound, SpeakTime speakTime,
                                 Dialogs& dialogs, QObject* parent)
    : QObject(parent), settings_(settings), sound_(sound), speakTime_(std::move(speakTime)),
      dialogs_(dialogs) {}

void AlarmController::check(int hour, int minute) {
    const SettingsRecord& s = settings_.values();
    if (showing_ || !s.FAlarmOn || done_ || hour != s.FAlarmHour || minute != s.FAlarmMinute)
        return;
    // Set before the alert opens, so no later tick raises it again; the alert opens from its
    // own event once this tick is over, so the tick goes on inside the alert's loop.
    showing_ = true;
    QTimer::singleShot(0, this, [this] {
        if (!closed_) Alarm();
    });
}

void AlarmController::Alarm() {
    AlarmAlert alert(*this);
    showing_ = true;
    emit alerting();
    dialogs_.run(alert);
    if (closed_) return; // the close ended the alert's loop; the clock is gone
    alert.stopRepeating();
    showing_ = false;
    done_ = true;
}

void AlarmController::PlayAlarmSound(int sound, const QString& path) {
    playAlarmSound(sound_, &builtInSounds(), sound, path);
}

int AlarmController::repeatSeconds() const {
    return static_cast<int>(settings_.values().FAlarmRepeat);
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
