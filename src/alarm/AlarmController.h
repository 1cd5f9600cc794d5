// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarm/AlarmAlertHost.h"
#include "alarm/Snooze.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace ql {

class DesktopNotifier;
class Settings;
class SoundPlayer;
class Dialogs;
class WaveList;

// The daily alarm: when it falls due (on the days it rings, or when a snooze is over), the alert
// that rings until the user confirms or snoozes it, the alarm sounds themselves, and the notice
// of an alarm the clock jumped over.
class AlarmController : public QObject, public AlarmAlertHost {
    Q_OBJECT
  public:
    // Starts speaking the time at the given speech volume, from the alert, before the first
    // ring; spoken runs when the voice has returned. False when no voice could start.
    using SpeakTime = std::function<bool(int volume, std::function<void()> spoken)>;
    AlarmController(const Settings& settings, SoundPlayer& sound, SpeakTime speakTime,
                    Dialogs& dialogs, DesktopNotifier& notifier, QObject* parent = nullptr);
    ~AlarmController() override;

    // A new minute may ring again.
    void minuteChanged() { done_ = false; }
    // The tick's last step, after it has stored this reading as the previous one.
    void check(const LocalTime& now);
    // A change of minute or day, while the previous reading is still at hand.
    void clockMoved(const LocalTime& before, const LocalTime& now);
    // Returns only when the user has closed the alert; ticks go on meanwhile inside its loop.
    void Alarm();
    // The program has closed: nothing more rings, whatever loop returns.
    void shutDown() { closed_ = true; }
    // Starts one alarm sound by its number and returns at once.
    void PlayAlarmSound(int sound, const QString& path);
    bool showing() const { return showing_; }
    bool done() const { return done_; }
    bool snoozed() const { return snooze_.active(); }

    int repeatSeconds() const override;
    int snoozeMinutes() const override;
    bool preAnnounce(std::function<void()> spoken) override;
    void ring() override;

  signals:
    // The alert opens: a main window on screen comes to the front with it.
    void alerting();

  private:
    const Settings& settings_;
    SoundPlayer& sound_;
    SpeakTime speakTime_;
    Dialogs& dialogs_;
    DesktopNotifier& notifier_;
    const WaveList& builtInSounds();
    void raise();

    // Read at the first ring: most days nothing rings.
    std::unique_ptr<const WaveList> sounds_;
    bool showing_ = false;
    bool done_ = false;
    bool closed_ = false;
    Snooze snooze_;
};

} // namespace ql
