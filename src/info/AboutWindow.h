// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "info/InfoWindow.h"

namespace ql {

class Dialogs;

// "About Multilingual Quorlan", from the menu.
class AboutWindow : public InfoWindow {
    Q_OBJECT
  public:
    AboutWindow(QWidget* parent, Dialogs& dialogs, const QString& homePage);

    void Label1Click();

  private:
    Dialogs& dialogs_;
    InfoLink* homePageLink_ = nullptr;
};

} // namespace ql
