// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "info/InfoWindow.h"

#include <functional>

namespace ql {

class Dialogs;

// "Welcome!": shown once, on the first run.
class WelcomeWindow : public InfoWindow {
    Q_OBJECT
  public:
    // help shows the help's contents-and-index view.
    WelcomeWindow(QWidget* parent, Dialogs& dialogs, const QString& homePage,
                  std::function<void()> help);

    void Label1Click();
    void BitBtn2Click();

  private:
    Dialogs& dialogs_;
    InfoLink* homePageLink_ = nullptr;
    std::function<void()> help_;
};

} // namespace ql
