// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "common/DesktopDialogs.h"

namespace ql {

// Qt's own dialogs; the file chooser and the browser go through the desktop portal where there
// is one.
class QtDesktopDialogs : public DesktopDialogs {
  public:
    int exec(QDialog& dialog) override;
    QString openFileName(QWidget* parent, const QString& title, const QString& preset,
                         const QString& filter) override;
    bool openUrl(const QUrl& url) override;
};

} // namespace ql
