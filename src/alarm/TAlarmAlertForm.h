#pragma once

#include <QDialog>
#include <QTimer>

class QFrame;
class QLabel;
class QPushButton;

namespace ql {

class AlarmAlertHost;

// The alarm alert: a top-level window of its own (no parent, so it shows even while the main
// window sits hidden in the tray) that sounds the alarm until the user presses OK.
class TAlarmAlertForm : public QDialog {
    Q_OBJECT
  public:
    explicit TAlarmAlertForm(AlarmAlertHost& host);

    // Runs each time the window becomes active: spoken time first when asked for, then the
    // sound at once, and the repetition timer keeps its rhythm.
    void FormActivate();
    void AlarmTimerTimer();

    QFrame* Panel1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* OKButton = nullptr;
    QTimer AlarmTimer;

  protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();

    AlarmAlertHost& host_;
    bool FActivated = false;
};

} // namespace ql
