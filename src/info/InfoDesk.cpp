// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/InfoDesk.h"

#include "common/Dialogs.h"
#include "info/AboutWindow.h"
#include "info/HelpPages.h"
#include "info/UpgradeWindow.h"
#include "info/WelcomeWindow.h"

namespace ql {

InfoDesk::InfoDesk(HelpPages& help, Dialogs& dialogs, QString programDir)
    : help_(help), dialogs_(dialogs), programDir_(std::move(programDir)) {}

void InfoDesk::setWindow(QWidget* window) {
    window_ = window;
}

QString InfoDesk::homePage() const {
    return InfoWindow::homePage(programDir_);
}

void InfoDesk::showUpgradeNews() {
    UpgradeWindow news(window_, dialogs_, homePage(), [this] { help_.ShowHelpTopic("IDH_999"); });
    dialogs_.run(news);
}

void InfoDesk::showWelcome() {
    WelcomeWindow welcome(window_, dialogs_, homePage(), [this] { help_.ShowHelpFinder(); });
    dialogs_.run(welcome);
}

void InfoDesk::About1Click() {
    if (dialogs_.raiseOpen()) return;
    AboutWindow about(window_, dialogs_, homePage());
    dialogs_.run(about);
}

} // namespace ql
