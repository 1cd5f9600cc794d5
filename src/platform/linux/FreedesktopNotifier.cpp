// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/FreedesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QStringList>
#include <QVariantMap>

#include <cstdio>
#include <utility>

namespace ql {
namespace {

// A service that does not answer must not keep a watcher waiting for long.
constexpr int replyTimeoutMs = 10000;
constexpr unsigned char normalUrgency = 1;

void notShown(const QString& summary, const QString& why) {
    std::fprintf(stderr, "quorlan-lite: the notification \"%s\" could not be shown: %s\n",
                 qUtf8Printable(summary), qUtf8Printable(why));
}

} // namespace

FreedesktopNotifier::FreedesktopNotifier(QString appName, QString appId)
    : appName_(std::move(appName)), appId_(std::move(appId)) {}

void FreedesktopNotifier::notify(const QString& summary, const QString& body) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return notShown(summary, "no session bus");
    QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.Notifications",
                                                       "/org/freedesktop/Notifications",
                                                       "org.freedesktop.Notifications", "Notify");
    const QVariantMap hints{{"desktop-entry", appId_},
                            {"urgency", QVariant::fromValue(normalUrgency)}};
    call << appName_ << 0u << appId_ << summary << body << QStringList() << hints << -1;
    // Asynchronous: the clock goes on ticking whatever the service does.
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, replyTimeoutMs));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [summary](QDBusPendingCallWatcher* w) {
                         if (w->isError()) notShown(summary, w->error().message());
                         w->deleteLater();
                     });
}

} // namespace ql
