// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/MainWindow.h"

#include "app/ButtonIcons.h"
#include "common/KeyboardFocusMark.h"
#include "face/FaceView.h"
#include "info/HelpPages.h"
#include "speech/SpeechCommands.h"

#include <QToolButton>

namespace ql {
namespace {

QToolButton* makeButton(QWidget* parent, const char* name, QRect geometry, const QString& hint) {
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    // Tab reaches it, a click does not take the focus: the mouse leaves the face as it was.
    b->setFocusPolicy(Qt::TabFocus);
    return b;
}

void setIcon(QToolButton* b, const QIcon& icon, QSize size = {16, 16}) {
    b->setIcon(icon);
    b->setIconSize(size);
}

} // namespace

// The picture buttons along the lower edge of the big face, at their big-layout places.
void MainWindow::createButtons() {
    alarmButton_ =
        makeButton(faceView_, "AlarmButton", {10, 102, 40, 22}, "Alarm and announce settings");
    setupButton_ = makeButton(faceView_, "SetupButton", {60, 102, 40, 22}, "Settings");
    optionsButton_ = makeButton(faceView_, "OptionsButton", {110, 102, 40, 22}, "Options");
    helpButton_ = makeButton(faceView_, "HelpButton", {160, 102, 40, 22}, "Help");
    announceButton_ =
        makeButton(faceView_, "AnnounceButton", {210, 102, 58, 22}, "Announce the time");
    languageButton_ =
        makeButton(faceView_, "LangSelButton", {261, 102, 21, 22}, "Language selector");
    minimizeButton_ = makeButton(faceView_, "MinimizeButton", {275, 4, 14, 12}, "Minimize");
    minimizeButton_->setText("_");
    QFont bold = minimizeButton_->font();
    bold.setBold(true);
    minimizeButton_->setFont(bold);
    languageButton_->raise(); // drawn over the announce button's right edge
    setButtonIcons();
    // Tab follows the order of creation: the row from left to right, then the corner button.
    new KeyboardFocusMark(*this, {faceView_, alarmButton_, setupButton_, optionsButton_,
                                  helpButton_, announceButton_, languageButton_, minimizeButton_});
    connect(setupButton_, &QToolButton::clicked, this, &MainWindow::SetupButtonClick);
    connect(optionsButton_, &QToolButton::clicked, this, &MainWindow::OptionsButtonClick);
    connect(alarmButton_, &QToolButton::clicked, this, &MainWindow::AlarmButtonClick);
    connect(announceButton_, &QToolButton::clicked, this,
            [this] { speech_.AnnounceButtonClick(); });
    connect(minimizeButton_, &QToolButton::clicked, this, &MainWindow::minimizeClicked);
    connect(helpButton_, &QToolButton::clicked, this, [this] { help_.HelpButtonClick(); });
}

void MainWindow::setButtonIcons() {
    setIcon(alarmButton_, ButtonIcons::alarmClock());
    setIcon(setupButton_, ButtonIcons::gear());
    setIcon(optionsButton_, ButtonIcons::list());
    setIcon(helpButton_, ButtonIcons::question());
    setIcon(announceButton_, ButtonIcons::loudspeaker(), {28, 16});
    setIcon(languageButton_, ButtonIcons::downArrow());
    setIcon(minimizeButton_, ButtonIcons::underscore(), {10, 8});
}

} // namespace ql
