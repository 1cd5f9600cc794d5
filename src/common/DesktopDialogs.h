// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>

class QDialog;
class QWidget;

namespace ql {

// What the desktop does on the program's behalf while the user answers: running a modal dialog,
// choosing a file, opening an address in the browser. Tests answer without a screen.
class DesktopDialogs {
  public:
    virtual ~DesktopDialogs() = default;
    // Runs the dialog until it closes; its result.
    virtual int exec(QDialog& dialog) = 0;
    // The file chosen, or an empty string when the user cancelled.
    virtual QString openFileName(QWidget* parent, const QString& title, const QString& preset,
                                 const QString& filter) = 0;
    // False when nothing could be started for the address.
    virtual bool openUrl(const QUrl& url) = 0;
};

} // namespace ql
