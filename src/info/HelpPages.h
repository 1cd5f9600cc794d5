// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

namespace ql {

class Dialogs;

// The help: a folder of pages beside the program, read in the user's browser.
class HelpPages {
  public:
    HelpPages(QString folder, Dialogs& dialogs); // folder ends in '/'

    // The window a failure message belongs to.
    void setWindow(QWidget* window);

    void HelpButtonClick();
    // Help for a dialog: 10 the settings, 20 the alarm and announcements.
    void ShowHelpContext(int context);
    // A named page of the help, e.g. "IDH_999".
    void ShowHelpTopic(const QString& topic);
    void ShowHelpFinder();

  private:
    void openHelp(const QString& page, const QString& fragment = {});
    void complain(const QString& text);

    QString folder_;
    Dialogs& dialogs_;
    QPointer<QWidget> window_;
};

} // namespace ql
