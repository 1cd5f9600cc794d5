// SPDX-License-Identifier: GPL-3.0-or-later
#include "info/AboutWindow.h"

#include "common/Dialogs.h"

#include "common/AppIcon.h"
#include "info/InfoLink.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace ql {

AboutWindow::AboutWindow(QWidget* parent, Dialogs& dialogs, const QString& homePage)
    : InfoWindow(parent, "AboutForm", "About Multilingual Quorlan", {350, 203}, true),
      dialogs_(dialogs) {
    panel({8, 8, 334, 156});
    QLabel* icon = text("Image1", {}, {10, 10, 32, 32}, Qt::AlignCenter);
    icon->setPixmap(AppIcon::pixmap(32));
    const auto left = Qt::AlignLeft | Qt::AlignTop;
    QLabel* name = text("StaticText1", "Multilingual Quorlan", {52, 10, 270, 18}, left);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    text("StaticText2", "Version 2.6", {52, 30, 270, 16}, left);
    text("StaticText3", "\u00A9 2026 Vessantry. License: GNU GPL 3 or later", {52, 48, 270, 16},
         left);
    // A file on this machine is no web site: say what it is instead.
    text("StaticText5",
         isInstalledHelp(homePage) ? "Help and support for the clock are in the help installed\n"
                                     "with the program, at the address below:"
                                   : "Support and the latest version of the clock are available\n"
                                     "on the web, at the address below:",
         {10, 76, 314, 34}, left);
    homePageLink_ = link("Label1", homePage, {10, 118, 314, 18});
    QPushButton* ok = button("BitBtn1", "OK", {137, 172, 75, 25});
    ok->setDefault(true);
    connect(homePageLink_, &InfoLink::clicked, this, &AboutWindow::Label1Click);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    centreOnScreen();
}

void AboutWindow::Label1Click() {
    dialogs_.openUrl(QUrl(homePageLink_->text()));
}

} // namespace ql
