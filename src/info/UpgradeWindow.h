// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "info/InfoWindow.h"

#include <functional>

namespace ql {

class Dialogs;

// "Thank you for upgrading": shown once after settings of another version were found.
class UpgradeWindow : public InfoWindow {
    Q_OBJECT
  public:
    // news shows the help page on what is new in this version.
    UpgradeWindow(QWidget* parent, Dialogs& dialogs, const QString& homePage,
                  std::function<void()> news);

    void Label1Click();
    void NewsButtonClick();

  private:
    Dialogs& dialogs_;
    InfoLink* homePageLink_ = nullptr;
    std::function<void()> news_;
};

} // namespace ql
