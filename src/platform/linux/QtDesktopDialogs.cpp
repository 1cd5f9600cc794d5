// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/QtDesktopDialogs.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>

namespace ql {

int QtDesktopDialogs::exec(QDialog& dialog) {
    return dialog.exec();
}

QString QtDesktopDialogs::openFileName(QWidget* parent, const QString& title, const QString& preset,
                                       const QString& filter) {
    return QFileDialog::getOpenFileName(parent, title, preset, filter);
}

bool QtDesktopDialogs::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

} // namespace ql
