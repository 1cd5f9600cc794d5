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
    AlarmButton =
        makeButton(BackPanel, "AlarmButton", {10, 102, 40, 22}, "Alarm and announce settings");
    SetupButton = makeButton(BackPanel, "SetupButton", {60, 102, 40, 22}, "Settings");
    OptionsButton = makeButton(BackPanel, "OptionsButton", {110, 102, 40, 22}, "Options");
    HelpButton = makeButton(BackPanel, "HelpButton", {160, 102, 40, 22}, "Help");
    AnnounceButton =
        makeButton(BackPanel, "AnnounceButton", {210, 102, 58, 22}, "Announce the time");
    LangSelButton = makeButton(BackPanel, "LangSelButton", {261, 102, 21, 22}, "Language selector");
    MinimizeButton = makeButton(BackPanel, "MinimizeButton", {275, 4, 14, 12}, "Minimize");
    MinimizeButton->setText("_");
    QFont bold = MinimizeButton->font();
    bold.setBold(true);
    MinimizeButton->setFont(bold);
    LangSelButton->raise(); // drawn over the announce button's right edge
    setButtonIcons();
    // Tab follows the order of creation: the row from left to right, then the corner button.
    new KeyboardFocusMark(*this, {BackPanel, AlarmButton, SetupButton, OptionsButton, HelpButton,
                                  AnnounceButton, LangSelButton, MinimizeButton});
    connect(SetupButton, &QToolButton::clicked, this, &MainWindow::SetupButtonClick);
    connect(OptionsButton, &QToolButton::clicked, this, &MainWindow::OptionsButtonClick);
    connect(AlarmButton, &QToolButton::clicked, this, &MainWindow::AlarmButtonClick);
    connect(AnnounceButton, &QToolButton::clicked, this, [this] { speech_.AnnounceButtonClick(); });
    connect(MinimizeButton, &QToolButton::clicked, this, &MainWindow::minimizeClicked);
    connect(HelpButton, &QToolButton::clicked, this, [this] { help_.HelpButtonClick(); });
}

void MainWindow::setButtonIcons() {
    setIcon(AlarmButton, ButtonIcons::alarmClock());
    setIcon(SetupButton, ButtonIcons::gear());
    setIcon(OptionsButton, ButtonIcons::list());
    setIcon(HelpButton, ButtonIcons::question());
    setIcon(AnnounceButton, ButtonIcons::loudspeaker(), {28, 16});
    setIcon(LangSelButton, ButtonIcons::downArrow());
    setIcon(MinimizeButton, ButtonIcons::underscore(), {10, 8});
}

} // namespace ql
