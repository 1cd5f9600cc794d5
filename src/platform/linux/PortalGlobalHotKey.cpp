// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/PortalGlobalHotKey.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QList>
#include <QPair>

#include <algorithm>

namespace ql {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kShortcutId = QStringLiteral("speak");
// A portal started on demand loads its backends first; the bus's own activation limit is 25 s.
constexpr int kCallTimeoutMs = 25000;

using Shortcut = QPair<QString, QVariantMap>;

QList<Shortcut> shortcutList() {
    return {{kShortcutId, QVariantMap{{"description", QStringLiteral("Speak the time")},
                                      {"preferred_trigger", QStringLiteral("CTRL+ALT+s")}}}};
}

// KDE's portal answers 0 with an empty list for a program without an application id.
bool bindsOurShortcut(const QVariantMap& results) {
    const QVariant value = results.value(QStringLiteral("shortcuts"));
    const auto bound = value.canConvert<QDBusArgument>()
                           ? qdbus_cast<QList<Shortcut>>(value.value<QDBusArgument>())
                           : value.value<QList<Shortcut>>();
    return std::any_of(bound.begin(), bound.end(),
                       [](const Shortcut& s) { return s.first == kShortcutId; });
}

} // namespace

PortalGlobalHotKey::PortalGlobalHotKey(QDBusConnection bus) : bus_(std::move(bus)) {
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<QList<Shortcut>>();
}

PortalGlobalHotKey::~PortalGlobalHotKey() {
    release();
}

bool PortalGlobalHotKey::grab(Handler onPress) {
    if (!bus_.isConnected()) return false;
    onPress_ = std::move(onPress);
    if (wanted_) return true;
    wanted_ = true;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kShortcuts << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(get, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, attempt = ++attempt_](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                if (attempt != attempt_ || !wanted_) return;
                if (call->isError())
                    decline();
                else
                    createSession();
            });
    return true;
}

void PortalGlobalHotKey::release() {
    wanted_ = false;
    unsubscribe();
    closeSession();
}

void PortalGlobalHotKey::createSession() {
    const QString token = nextToken();
    QVariantMap options{{"handle_token", token}, {"session_handle_token", nextToken()}};
    callWithResponse(QStringLiteral("CreateSession"), {options}, token,
                     SLOT(sessionCreated(uint, QVariantMap)));
}

void PortalGlobalHotKey::closeSession() {
    if (session_.isEmpty()) return;
    bus_.disconnect(kService, kPath, kShortcuts, QStringLiteral("Activated"), this,
                    SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    bus_.call(QDBusMessage::createMethodCall(kService, session_,
                                             QStringLiteral("org.freedesktop.portal.Session"),
                                             QStringLiteral("Close")),
              QDBus::NoBlock);
    session_.clear();
}

QString PortalGlobalHotKey::nextToken() {
    return QStringLiteral("quorlan%1").arg(++tokens_);
}

// The portal answers on a request object whose path it derives from our unique name and token;
// the answer is subscribed to before the call so it cannot be missed.
QString PortalGlobalHotKey::requestPath(const QString& token) const {
    QString sender = bus_.baseService().mid(1);
    sender.replace('.', '_');
    return kPath + QStringLiteral("/request/") + sender + '/' + token;
}

void PortalGlobalHotKey::callWithResponse(const QString& method, const QVariantList& args,
                                          const QString& token, const char* slot) {
    unsubscribe();
    pendingRequest_ = requestPath(token);
    bus_.connect(kService, pendingRequest_, kRequest, QStringLiteral("Response"), this, slot);
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kPath, kShortcuts, method);
    call.setArguments(args);
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(call, kCallTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, attempt = attempt_](QDBusPendingCallWatcher* reply) {
                reply->deleteLater();
                if (attempt == attempt_ && wanted_ && reply->isError()) decline();
            });
}

void PortalGlobalHotKey::unsubscribe() {
    if (pendingRequest_.isEmpty()) return;
    bus_.disconnect(kService, pendingRequest_, kRequest, QStringLiteral("Response"), this, nullptr);
    pendingRequest_.clear();
}

void PortalGlobalHotKey::decline() {
    release();
    if (onDeclined_) onDeclined_();
}

void PortalGlobalHotKey::sessionCreated(uint response, const QVariantMap& results) {
    unsubscribe();
    if (response != 0) {
        if (wanted_) decline();
        return;
    }
    session_ = results.value(QStringLiteral("session_handle")).toString();
    if (!wanted_) {
        closeSession(); // released while the portal was still answering
        return;
    }
    bus_.connect(kService, kPath, kShortcuts, QStringLiteral("Activated"), this,
                 SLOT(activated(QDBusObjectPath, QString, qulonglong, QVariantMap)));
    bind();
}

void PortalGlobalHotKey::bind() {
    const QString token = nextToken();
    const QVariantList args{QVariant::fromValue(QDBusObjectPath(session_)),
                            QVariant::fromValue(shortcutList()), QString(),
                            QVariantMap{{"handle_token", token}}};
    callWithResponse(QStringLiteral("BindShortcuts"), args, token,
                     SLOT(shortcutsBound(uint, QVariantMap)));
}

void PortalGlobalHotKey::shortcutsBound(uint response, const QVariantMap& results) {
    unsubscribe();
    if (wanted_ && (response != 0 || !bindsOurShortcut(results))) decline();
}

void PortalGlobalHotKey::activated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                   const QVariantMap&) {
    if (session.path() == session_ && id == kShortcutId && onPress_) onPress_();
}

} // namespace ql
