// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QTimer>

namespace ql {

class AlarmAlertHost;

// The alarm alert: a top-level window of its own (no parent, so it shows even while the main
// window sits hidden in the tray) that sounds the alarm until the user presses OK, or Snooze to
// hear it again later.
class AlarmAlert : public QDialog {
    Q_OBJECT
  public:
    static constexpr int Snoozed = QDialog::Accepted + 1; // the result of the Snooze button

    explicit AlarmAlert(AlarmAlertHost& host);

    // Runs each time the window becomes active: spoken time first when asked for, then the
    // sound once the voice has returned (8 s at most), and the repetition timer keeps its rhythm.
    void FormActivate();
    void AlarmTimerTimer();
    // No further repetition; a sound already playing plays to its end.
    void stopRepeating() {
        alarmTimer_.stop();
        voiceDeadline_.stop();
    }

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void voiceEnded();
    void startRinging();

    AlarmAlertHost& host_;
    QTimer alarmTimer_{this}; // a child, so that it can be found by its name
    QTimer voiceDeadline_;
    bool activated_ = false;
    bool awaitingVoice_ = false; // the first sound waits for the spoken time
};

} // namespace ql
