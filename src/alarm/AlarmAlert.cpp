// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/AlarmAlert.h"

#include "alarm/AlarmAlertHost.h"
#include "alarm/FormPlacement.h"
#include "common/DialogLayout.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace ql {
namespace {

// A window manager that never activates the window must not leave the alarm silent.
constexpr int activationGraceMs = 500;
// Nor may a voice that never returns.
constexpr int spokenTimeLimitMs = 8000;

QLabel* panelLabel(QFrame* panel, const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, panel);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

} // namespace

AlarmAlert::AlarmAlert(AlarmAlertHost& host)
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint),
      host_(host) {
    setObjectName("AlarmAlertForm");
    setWindowTitle("Alarm!");
    setFont(alarmFormFont());
    setFixedSize(219, 130);
    createControls();
    alarmTimer_.setObjectName("AlarmTimer");
    alarmTimer_.setTimerType(Qt::PreciseTimer); // a steady rhythm, not one drifting by 5 %
    connect(&alarmTimer_, &QTimer::timeout, this, &AlarmAlert::AlarmTimerTimer);
    voiceDeadline_.setSingleShot(true);
    voiceDeadline_.setInterval(spokenTimeLimitMs);
    connect(&voiceDeadline_, &QTimer::timeout, this, &AlarmAlert::voiceEnded);
    centreOnScreen(*this);
}

void AlarmAlert::createControls() {
    auto* panel = new QFrame(this);
    panel->setObjectName("Panel1");
    panel->setGeometry(8, 8, 201, 65);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette yellow = panel->palette();
    yellow.setColor(QPalette::Window, Qt::yellow);
    yellow.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(yellow);
    QLabel* title = panelLabel(panel, "Label1", "Quorlan alarm alert!", {4, 16, 189, 13});
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    panelLabel(panel, "Label2", "Press OK to confirm the alarm.", {8, 36, 185, 13});
    auto* okButton = new QPushButton("OK", this);
    okButton->setObjectName("OKButton");
    okButton->setGeometry(72, 89, 75, 28);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    // Beside OK, in the room the window leaves on its right.
    auto* snoozeButton = new QPushButton("&Snooze", this);
    snoozeButton->setObjectName("SnoozeButton");
    snoozeButton->setGeometry(155, 89, 56, 28);
    snoozeButton->setAccessibleName("Snooze");
    const int minutes = host_.snoozeMinutes();
    snoozeButton->setAccessibleDescription(
        QString("Ring again in %1 minute%2").arg(minutes).arg(minutes == 1 ? "" : "s"));
    connect(snoozeButton, &QPushButton::clicked, this, [this] { done(Snoozed); });
}

bool AlarmAlert::event(QEvent* e) {
    const bool handled = QDialog::event(e);
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return handled;
}

void AlarmAlert::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    raise();
    activateWindow();
    QTimer::singleShot(activationGraceMs, this, [this] {
        if (!activated_) FormActivate();
    });
}

void AlarmAlert::FormActivate() {
    activated_ = true;
    const int interval = host_.repeatSeconds() * 1000;
    // Setting the interval restarts a running timer; a re-activation keeps its rhythm.
    if (alarmTimer_.interval() != interval) alarmTimer_.setInterval(interval);
    // The sound already waits for a spoken time: it comes when that ends.
    if (awaitingVoice_) return;
    repaint();
    QPointer<AlarmAlert> self(this); // the user may confirm before the voice returns
    awaitingVoice_ = host_.preAnnounce([self] {
        if (self) self->voiceEnded();
    });
    if (awaitingVoice_)
        voiceDeadline_.start();
    else
        startRinging();
}

// The voice returned, or took too long: whichever comes first starts the sound.
void AlarmAlert::voiceEnded() {
    if (!awaitingVoice_) return;
    awaitingVoice_ = false;
    voiceDeadline_.stop();
    startRinging();
}

void AlarmAlert::startRinging() {
    // An interval of 0 never fires (a zero-interval QTimer would fire continuously).
    if (alarmTimer_.interval() > 0 && !alarmTimer_.isActive()) alarmTimer_.start();
    AlarmTimerTimer();
}

void AlarmAlert::AlarmTimerTimer() {
    host_.ring();
}

} // namespace ql
