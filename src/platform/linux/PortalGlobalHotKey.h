#pragma once

#include "platform/GlobalHotKey.h"

#include <QDBusConnection>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace ql {

// Ctrl+Alt+S through the desktop portal's GlobalShortcuts interface: on Wayland no program may
// grab keys itself, so the compositor delivers the shortcut it bound for us. Binding is
// asynchronous; grab() says only whether a portal offers global shortcuts at all.
class PortalGlobalHotKey : public QObject, public GlobalHotKey {
    Q_OBJECT
  public:
    explicit PortalGlobalHotKey(QDBusConnection bus = QDBusConnection::sessionBus());
    ~PortalGlobalHotKey() override;
    // True when a portal on the session bus answers for GlobalShortcuts.
    bool offered();
    bool grab(Handler onPress) override;
    void release() override;

  private slots:
    void sessionCreated(uint response, const QVariantMap& results);
    void shortcutsBound(uint response, const QVariantMap& results);
    void activated(const QDBusObjectPath& session, const QString& id, qulonglong timestamp,
                   const QVariantMap& options);

  private:
    QString nextToken();
    QString requestPath(const QString& token) const;
    bool callWithResponse(const QString& method, const QVariantList& args, const QString& token,
                          const char* slot);
    void bind();
    void unsubscribe();

    QDBusConnection bus_;
    Handler onPress_;
    QString session_;
    QString pendingRequest_;
    int tokens_ = 0;
    bool wanted_ = false;
};

} // namespace ql
