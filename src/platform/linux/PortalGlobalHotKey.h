// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalHotKey.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>

namespace ql {

// Ctrl+Alt+S through the desktop portal's GlobalShortcuts interface: on Wayland no program may
// grab keys itself, so the compositor delivers the shortcut it bound for us. Every step is
// asynchronous (a portal started on demand can take seconds), so grab() only starts asking; when
// the portal turns out to bind nothing for us, onDeclined runs once.
class PortalGlobalHotKey : public QObject, public GlobalHotKey {
    Q_OBJECT
  public:
    explicit PortalGlobalHotKey(QDBusConnection bus = QDBusConnection::sessionBus());
    ~PortalGlobalHotKey() override;
    // No portal, a refused call, a Response other than 0, or a binding without our shortcut.
    void setOnDeclined(std::function<void()> onDeclined) { onDeclined_ = std::move(onDeclined); }
    bool grab(Handler onPress) override;
    void release() override;

  private slots:
    void sessionCreated(uint response, const QVariantMap& results);
    void shortcutsBound(uint response, const QVariantMap& results);
    void activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);

  private:
    void createSession();
    QString nextToken();
    QString requestPath(const QString& token) const;
    void callWithResponse(const QString& method, const QVariantList& args, const QString& token,
                          const char* slot);
    void bind();
    void closeSession();
    void unsubscribe();
    void decline();

    QDBusConnection bus_;
    Handler onPress_;
    std::function<void()> onDeclined_;
    QString session_;
    QString pendingRequest_;
    int tokens_ = 0;
    int attempt_ = 0; // answers to an earlier grab are ignored
    bool wanted_ = false;
};

} // namespace ql
