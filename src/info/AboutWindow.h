#pragma once

#include "info/InfoWindow.h"

namespace ql {

// "About Multilingual Quorlan", from the menu.
class AboutWindow : public InfoWindow {
    Q_OBJECT
  public:
    AboutWindow(QWidget* parent, const QString& homePage);

    void Label1Click();

  private:
    InfoLink* homePageLink_ = nullptr;
};

} // namespace ql
