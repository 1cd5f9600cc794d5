#include "info/TAboutForm.h"

#include "common/AppIcon.h"
#include "info/InfoLink.h"
#include "info/UrlOpener.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace ql {

TAboutForm::TAboutForm(QWidget* parent, const QString& homePage)
    : InfoWindow(parent, "AboutForm", "About Multilingual Quorlan", {350, 203}, true) {
    panel({8, 8, 334, 156});
    Image1 = text("Image1", {}, {10, 10, 32, 32}, Qt::AlignCenter);
    Image1->setPixmap(AppIcon::pixmap(32));
    const auto left = Qt::AlignLeft | Qt::AlignTop;
    QLabel* name = text("StaticText1", "Multilingual Quorlan", {52, 10, 270, 18}, left);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    text("StaticText2", "Version 2.6", {52, 30, 270, 16}, left);
    text("StaticText3", "\u00A9 2026 Vessantry. All rights reserved.", {52, 48, 270, 16}, left);
    text("StaticText5",
         "Support and the latest version of the clock are available\n"
         "on the web, at the address below:",
         {10, 76, 314, 34}, left);
    Label1 = link("Label1", homePage, {10, 118, 314, 18});
    BitBtn1 = button("BitBtn1", "OK", {137, 172, 75, 25});
    BitBtn1->setDefault(true);
    connect(Label1, &InfoLink::clicked, this, &TAboutForm::Label1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    centreOnScreen();
}

void TAboutForm::Label1Click() {
    UrlOpener::open(QUrl(Label1->text()));
}

} // namespace ql
