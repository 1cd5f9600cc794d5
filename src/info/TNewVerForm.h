#pragma once

#include "info/InfoWindow.h"

#include <functional>

namespace ql {

// "Thank you for upgrading": shown once after settings of another version were found.
class TNewVerForm : public InfoWindow {
    Q_OBJECT
  public:
    // news shows the help page on what is new in this version.
    TNewVerForm(QWidget* parent, const QString& homePage, std::function<void()> news);

    void Label1Click();
    void NewsButtonClick();

    InfoLink* Label1 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* NewsButton = nullptr;

  private:
    std::function<void()> news_;
};

} // namespace ql
