// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Dialogs.h"

#include "common/DesktopDialogs.h"

#include <QDialog>
#include <QMessageBox>

namespace ql {
namespace {

void bringToFront(QWidget& w) {
    w.raise();
    w.activateWindow();
}

} // namespace

// Keeps the window on the list while it runs; when it closes, the one beneath gets the keyboard
// back, not the main window it blocks.
class Dialogs::Open {
  public:
    Open(Dialogs& owner, QWidget& w) : owner_(owner) { owner_.open_.emplace_back(&w); }
    ~Open() {
        owner_.open_.pop_back();
        if (QWidget* below = owner_.innermost(); below && below->isVisible()) bringToFront(*below);
    }
    Open(const Open&) = delete;
    Open& operator=(const Open&) = delete;

  private:
    Dialogs& owner_;
};

Dialogs::Dialogs(DesktopDialogs& desktop) : desktop_(desktop) {}

void Dialogs::message(QWidget* parent, MessageKind kind, const QString& title,
                      const QString& text) {
    QMessageBox box(kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon, title,
                    text, QMessageBox::Ok, parent);
    if (parent) box.setWindowModality(Qt::WindowModal);
    exec(box);
}

// Modal to its own window, not to the application: the notification-area icon must keep its
// hint and menu while a dialog is open. A window without a parent blocks no other.
int Dialogs::run(QDialog& dialog) {
    dialog.setWindowModality(Qt::WindowModal);
    return exec(dialog);
}

int Dialogs::exec(QDialog& dialog) {
    Open open(*this, dialog);
    return desktop_.exec(dialog);
}

QString Dialogs::openFileName(QWidget* parent, const QString& title, const QString& preset,
                              const QString& filter) {
    return desktop_.openFileName(parent, title, preset, filter);
}

bool Dialogs::openUrl(const QUrl& url) {
    return desktop_.openUrl(url);
}

QWidget* Dialogs::innermost() const {
    for (auto it = open_.rbegin(); it != open_.rend(); ++it)
        if (*it) return *it;
    return nullptr;
}

bool Dialogs::raiseOpen() {
    QWidget* open = innermost();
    if (!open) return false;
    bringToFront(*open);
    return true;
}

} // namespace ql
