#pragma once

#include "info/InfoWindow.h"

#include <functional>

namespace ql {

// "Welcome!": shown once, on the first run.
class TInfoForm : public InfoWindow {
    Q_OBJECT
  public:
    // help shows the help's contents-and-index view.
    TInfoForm(QWidget* parent, const QString& homePage, std::function<void()> help);

    void Label1Click();
    void BitBtn2Click();

    InfoLink* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

  private:
    std::function<void()> help_;
};

} // namespace ql
