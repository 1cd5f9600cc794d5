// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/WelcomeWindow.h"

#include "common/Dialogs.h"
#include "info/InfoLink.h"

#include <QLabel>
#include <QPushButton>

namespace ql {

WelcomeWindow::WelcomeWindow(QWidget* parent, Dialogs& dialogs, const QString& homePage,
                             std::function<void()> help)
    : InfoWindow(parent, "InfoForm", "Welcome!", {362, 219}, false), dialogs_(dialogs),
      help_(std::move(help)) {
    panel({8, 8, 346, 172});
    QLabel* title = text("StaticText1", "Welcome to the Multilingual Quorlan!", {8, 8, 330, 20});
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    // A file on this machine is no web site: say what it is instead.
    const bool local = isInstalledHelp(homePage);
    text("StaticText2",
         local ? "This seems to be the first time you run the clock, and we would like to inform "
                 "you that the help installed with the program is at"
               : "This seems to be the first time you run the clock, and we would like to inform "
                 "you that the latest version of the program is always available at the Quorlan "
                 "website at",
         {8, 32, 330, 52});
    homePageLink_ = link("Label1", homePage, {8, 86, 330, 18});
    text("StaticText3",
         local ? "There you can also find out how to add languages, where the clock keeps your "
                 "settings and what is new. Please also read the help file by clicking the help "
                 "button below."
               : "On the website you can also download additional languages, read the FAQ and "
                 "find out the latest news. Please also read the help file by clicking the help "
                 "button below.",
         {8, 108, 330, 56});
    QPushButton* ok = button("BitBtn1", "OK", {100, 188, 75, 25});
    QPushButton* helpButton = button("BitBtn2", "&Help", {187, 188, 75, 25});
    ok->setDefault(true);
    connect(homePageLink_, &InfoLink::clicked, this, &WelcomeWindow::Label1Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(helpButton, &QPushButton::clicked, this, &WelcomeWindow::BitBtn2Click);
    centreOnScreen();
}

void WelcomeWindow::Label1Click() {
    dialogs_.openUrl(QUrl(homePageLink_->text()));
}

void WelcomeWindow::BitBtn2Click() {
    if (help_) help_();
}

} // namespace ql
