// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalHotKey.h"

#include <QDBusConnection>
#include <QObject>
#include <QString>
#include <QStringList>

namespace ql {

// Ctrl+Alt+S through KDE's own global-shortcut service, as KDE programs register theirs: Plasma's
// portal binds nothing for a program started outside a sandbox, but its key service hears every
// key. Only on Plasma, where that service already runs; elsewhere grab() is false at once.
class KGlobalAccelHotKey : public QObject, public GlobalHotKey {
    Q_OBJECT
  public:
    explicit KGlobalAccelHotKey(QDBusConnection bus = QDBusConnection::sessionBus());
    ~KGlobalAccelHotKey() override;
    bool grab(Handler onPress) override;
    void release() override;

  private slots:
    void pressed(const QString& component, const QString& action, qlonglong timestamp);

  private:
    bool registerShortcut();

    QDBusConnection bus_;
    Handler onPress_;
    QString componentPath_;
};

} // namespace ql
