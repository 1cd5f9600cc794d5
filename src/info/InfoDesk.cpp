#include "info/InfoDesk.h"

#include "common/Modal.h"
#include "info/AboutWindow.h"
#include "info/HelpPages.h"
#include "info/UpgradeWindow.h"
#include "info/WelcomeWindow.h"

namespace ql {

InfoDesk::InfoDesk(HelpPages& help, QString programDir)
    : help_(help), programDir_(std::move(programDir)) {}

void InfoDesk::setWindow(QWidget* window) {
    window_ = window;
}

QString InfoDesk::homePage() const {
    return InfoWindow::homePage(programDir_);
}

void InfoDesk::showUpgradeNews() {
    UpgradeWindow news(window_, homePage(), [this] { help_.ShowHelpTopic("IDH_999"); });
    runModal(news);
}

void InfoDesk::showWelcome() {
    WelcomeWindow welcome(window_, homePage(), [this] { help_.ShowHelpFinder(); });
    runModal(welcome);
}

void InfoDesk::About1Click() {
    if (raiseOpenModal()) return;
    AboutWindow about(window_, homePage());
    runModal(about);
}

} // namespace ql
