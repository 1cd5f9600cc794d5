// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/UpgradeWindow.h"

#include "common/Dialogs.h"
#include "info/InfoLink.h"

#include <QLabel>
#include <QPushButton>

namespace ql {

UpgradeWindow::UpgradeWindow(QWidget* parent, Dialogs& dialogs, const QString& homePage,
                             std::function<void()> news)
    : InfoWindow(parent, "NewVerForm", "Thank you for upgrading", {362, 225}, false),
      dialogs_(dialogs), news_(std::move(news)) {
    panel({8, 8, 346, 178});
    QLabel* title = text("StaticText1", "Welcome to version 2.6", {8, 8, 330, 20});
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    text("StaticText2",
         "Thank you for upgrading to version 2.6. This is a minor release with a few new features "
         "(speech volume, transparent display). The documentation has been updated and the "
         "clock now works on more Linux desktops: Wayland, D-Bus trays and scaled screens.",
         {8, 32, 330, 70});
    // A file on this machine is no web site: say what it is instead.
    text("StaticText3",
         isInstalledHelp(homePage)
             ? "The help installed with the program, at the address below, tells you what is "
               "new, how to add languages and more."
             : "Don't forget to check the website on a regular basis, there you will always find "
               "the latest version, additional languages etc.",
         {8, 106, 330, 42});
    homePageLink_ = link("Label1", homePage, {8, 152, 330, 18});
    QPushButton* ok = button("BitBtn1", "&OK", {100, 194, 75, 25});
    QPushButton* newsButton = button("NewsButton", "&What's new", {187, 194, 75, 25});
    ok->setDefault(true);
    connect(homePageLink_, &InfoLink::clicked, this, &UpgradeWindow::Label1Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(newsButton, &QPushButton::clicked, this, &UpgradeWindow::NewsButtonClick);
    placeAt({360, 684});
}

void UpgradeWindow::Label1Click() {
    dialogs_.openUrl(QUrl(homePageLink_->text()));
}

void UpgradeWindow::NewsButtonClick() {
    if (news_) news_();
}

} // namespace ql
