#include "info/TInfoForm.h"

#include "info/InfoLink.h"
#include "info/UrlOpener.h"

#include <QLabel>
#include <QPushButton>

namespace ql {

TInfoForm::TInfoForm(QWidget* parent, const QString& homePage, std::function<void()> help)
    : InfoWindow(parent, "InfoForm", "Welcome!", {362, 219}, false), help_(std::move(help)) {
    panel({8, 8, 346, 172});
    QLabel* title = text("StaticText1", "Welcome to the Multilingual Quorlan!", {8, 8, 330, 20});
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    text("StaticText2",
         "This seems to be the first time you run the clock, and we would like to inform you "
         "that the latest version of the program is always available at the Quorlan website at",
         {8, 32, 330, 52});
    Label1 = link("Label1", homePage, {8, 86, 330, 18});
    text("StaticText3",
         "On the website you can also download additional languages, read the FAQ and find out "
         "the latest news. Please also read the help file by clicking the help button below.",
         {8, 108, 330, 56});
    BitBtn1 = button("BitBtn1", "OK", {100, 188, 75, 25});
    BitBtn2 = button("BitBtn2", "&Help", {187, 188, 75, 25});
    BitBtn1->setDefault(true);
    connect(Label1, &InfoLink::clicked, this, &TInfoForm::Label1Click);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &TInfoForm::BitBtn2Click);
    centreOnScreen();
}

void TInfoForm::Label1Click() {
    UrlOpener::open(QUrl(Label1->text()));
}

void TInfoForm::BitBtn2Click() {
    if (help_) help_();
}

} // namespace ql
