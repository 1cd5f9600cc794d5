#include "alarm/TAlarmAlertForm.h"

#include "alarm/FormPlacement.h"
#include "alarm/AlarmAlertHost.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace ql {
namespace {

// A window manager that never activates the window must not leave the alarm silent.
constexpr int activationGraceMs = 500;

QLabel* panelLabel(QFrame* panel, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

TAlarmAlertForm::TAlarmAlertForm(AlarmAlertHost& host)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint),
      host_(host) {
    setObjectName("AlarmAlertForm");
    setWindowTitle("Alarm!");
    setFont(alarmFormFont());
    setFixedSize(219, 130);
    createControls();
    AlarmTimer.setObjectName("AlarmTimer");
    AlarmTimer.setTimerType(Qt::PreciseTimer); // a steady rhythm, not one drifting by 5 %
    connect(&AlarmTimer, &QTimer::timeout, this, &TAlarmAlertForm::AlarmTimerTimer);
    centreOnScreen(*this);
}

void TAlarmAlertForm::createControls() {
    Panel1 = new QFrame(this);
    Panel1->setObjectName("Panel1");
    Panel1->setGeometry(8, 8, 201, 65);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setAutoFillBackground(true);
    QPalette yellow = Panel1->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    yellow.setColor(QPalette::WindowText, Qt::black);
    Panel1->setPalette(yellow);
    Label1 = panelLabel(Panel1, "Label1", "Quorlan alarm alert!", {4, 16, 189, 13});
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label2 = panelLabel(Panel1, "Label2", "Press OK to confirm the alarm.", {8, 36, 185, 13});
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry(72, 89, 75, 28);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool TAlarmAlertForm::event(QEvent* e) {
    const bool handled = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return handled;
}

void TAlarmAlertForm::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    raise();
    activateWindow();
    QTimer::singleShot(activationGraceMs, this, [this] {
        if (!FActivated) FormActivate();
    });
}

void TAlarmAlertForm::FormActivate() {
    FActivated = true;
    const int interval = host_.repeatSeconds() * 1000;
    // Setting the interval restarts a running timer; a re-activation keeps its rhythm.
    if (AlarmTimer.interval() != interval) AlarmTimer.setInterval(interval);
    repaint();
    host_.preAnnounce();
    // An interval of 0 never fires (a zero-interval QTimer would fire continuously).
    if (interval > 0 && !AlarmTimer.isActive()) AlarmTimer.start();
    AlarmTimerTimer();
}

void TAlarmAlertForm::AlarmTimerTimer() {
    host_.ring();
}

} // namespace ql
