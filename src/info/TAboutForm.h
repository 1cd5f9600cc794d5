#pragma once

#include "info/InfoWindow.h"

namespace ql {

// "About Multilingual Quorlan", from the menu.
class TAboutForm : public InfoWindow {
    Q_OBJECT
  public:
    TAboutForm(QWidget* parent, const QString& homePage);

    void Label1Click();

    QLabel* Image1 = nullptr;
    InfoLink* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
};

} // namespace ql
