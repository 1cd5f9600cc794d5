// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/DesktopNotifier.h"

#include <QStringList>

namespace ql {

// Keeps the summary of every notification.
struct FakeDesktopNotifier : DesktopNotifier {
    QStringList summaries;
    void notify(const QString& summary, const QString&) override { summaries << summary; }
};

} // namespace ql
