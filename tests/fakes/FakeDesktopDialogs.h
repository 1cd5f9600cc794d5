// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/DesktopDialogs.h"
#include "common/Dialogs.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>

namespace ql {

// Answers the program's dialogs without a screen. A message box goes to `message`; any other
// dialog to `dialog`, and runs for real when that is unset (a test then closes it itself).
struct FakeDesktopDialogs : DesktopDialogs {
    std::function<void(MessageKind, const QString& title, const QString& text)> message;
    std::function<int(QDialog&)> dialog;
    // Gets the preset file name; unset, the user cancels.
    std::function<QString(QWidget* parent, const QString& preset)> chooseFile;
    // Unset, no browser starts and the request fails.
    std::function<bool(const QUrl&)> browser;

    int exec(QDialog& d) override {
        if (auto* box = qobject_cast<QMessageBox*>(&d)) {
            const auto kind =
                box->icon() == QMessageBox::Critical ? MessageKind::Error : MessageKind::Plain;
            if (message) message(kind, box->windowTitle(), box->text());
            return QMessageBox::Ok;
        }
        return dialog ? dialog(d) : d.exec();
    }
    QString openFileName(QWidget* parent, const QString&, const QString& preset,
                         const QString&) override {
        return chooseFile ? chooseFile(parent, preset) : QString();
    }
    bool openUrl(const QUrl& url) override { return browser && browser(url); }
};

} // namespace ql
