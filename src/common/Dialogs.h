// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>

#include <vector>

class QDialog;
class QWidget;

namespace ql {

class DesktopDialogs;

enum class MessageKind {
    Error, // title, error icon, one OK button
    Plain  // title, no icon, one OK button
};

// Every message box, modal dialog, file choice and browser request of the program goes through
// here, so that it knows which modal windows are open and a test can answer them.
class Dialogs {
  public:
    explicit Dialogs(DesktopDialogs& desktop);
    Dialogs(const Dialogs&) = delete;
    Dialogs& operator=(const Dialogs&) = delete;

    void message(QWidget* parent, MessageKind kind, const QString& title, const QString& text);
    int run(QDialog& dialog);
    // The chosen file, or an empty string when the user cancelled.
    QString openFileName(QWidget* parent, const QString& title, const QString& preset,
                         const QString& filter);
    // False when nothing could be started for the address.
    bool openUrl(const QUrl& url);

    // The modal window opened last and still open, if any.
    QWidget* innermost() const;
    // A command that would open a second modal window over an open one (from the notification-area
    // menu, which stays usable) brings the open one to the front instead; true when there was one.
    bool raiseOpen();

  private:
    class Open;

    int exec(QDialog& dialog);

    DesktopDialogs& desktop_;
    std::vector<QPointer<QWidget>> open_; // innermost last
};

} // namespace ql
