#include "info/InfoDesk.h"

#include "common/Modal.h"
#include "info/HelpPages.h"
#include "info/TAboutForm.h"
#include "info/TInfoForm.h"
#include "info/TNewVerForm.h"

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
    TNewVerForm news(window_, homePage(), [this] { help_.ShowHelpTopic("IDH_999"); });
    runModal(news);
}

void InfoDesk::showWelcome() {
    TInfoForm welcome(window_, homePage(), [this] { help_.ShowHelpFinder(); });
    runModal(welcome);
}

void InfoDesk::About1Click() {
    if (about_) {
        about_->raise();
        about_->activateWindow();
        return;
    }
    TAboutForm about(window_, homePage());
    about_ = &about;
    runModal(about);
}

} // namespace ql
