// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace ql {

class Dialogs;
class HelpPages;

// Opens the information windows: the welcome at the first start, what is new after an upgrade,
// and the about window. Each runs modally and is gone when the call returns.
class InfoDesk {
  public:
    InfoDesk(HelpPages& help, Dialogs& dialogs, QString programDir); // programDir ends in '/'

    // The window the information windows belong to.
    void setWindow(QWidget* window);

    void showUpgradeNews();
    void showWelcome();
    // Over an open modal window (the about window itself, or a dialog) that one comes to the
    // front instead.
    void About1Click();

  private:
    QString homePage() const;

    HelpPages& help_;
    Dialogs& dialogs_;
    QString programDir_;
    QPointer<QWidget> window_;
};

} // namespace ql
