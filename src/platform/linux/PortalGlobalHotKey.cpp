#include "platform/linux/PortalGlobalHotKey.h"

#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusReply>
#include <QDBusVariant>
#include <QList>
#include <QPair>

#include <cstdio>

namespace ql {
namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kShortcuts = QStringLiteral("org.freedesktop.portal.GlobalShortcuts");
const QString kRequest = QStringLiteral("org.freedesktop.portal.Request");
const QString kShortcutId = QStringLiteral("speak");

using Shortcut = QPair<QString, QVariantMap>;

QDBusMessage portalCall(const QString& method) {
    return QDBusMessage::createMethodCall(kService, kPath, kShortcuts, method);
}

QList<Shortcut> shortcutList() {
    return {{kShortcutId, QVariantMap{{"description", QStringLiteral("Speak the time")},
                                      {"preferred_trigger", QStringLiteral("CTRL+ALT+s")}}}};
}

} // namespace

PortalGlobalHotKey::PortalGlobalHotKey(QDBusConnection bus) : bus_(std::move(bus)) {
    qDBusRegisterMetaType<Shortcut>();
    qDBusRegisterMetaType<QList<Shortcut>>();
}

PortalGlobalHotKey::~PortalGlobalHotKey() {
    release();
}

bool PortalGlobalHotKey::offered() {
    if (!bus_.isConnected()) return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kShortcuts << QStringLiteral("version");
    const QDBusMessage reply = bus_.call(get, QDBus::Block, 2000);
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool PortalGlobalHotKey::grab(Handler onPress) {
    if (!offered()) return false;
    onPress_ = std::move(onPress);
    wanted_ = true;
    if (!session_.isEmpty()) return true;
    const QString token = nextToken();
    QVariantMap options{{"handle_token", token}, {"session_handle_token", nextToken()}};
    return callWithResponse(QStringLiteral("CreateSession"), {options}, token,
                            SLOT(sessionCreated(uint, QVariantMap)));
}

void PortalGlobalHotKey::release() {
    wanted_ = false;
    unsubscribe();
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

bool PortalGlobalHotKey::callWithResponse(const QString& method, const QVariantList& args,
                                          const QString& token, const char* slot) {
    unsubscribe();
    pendingRequest_ = requestPath(token);
    bus_.connect(kService, pendingRequest_, kRequest, QStringLiteral("Response"), this, slot);
    QDBusMessage call = portalCall(method);
    call.setArguments(args);
    const QDBusMessage reply = bus_.call(call, QDBus::Block, 2000);
    if (reply.type() == QDBusMessage::ReplyMessage) return true;
    std::fprintf(stderr, "quorlan-lite: the desktop portal refused %s: %s\n", qPrintable(method),
                 qPrintable(reply.errorMessage()));
    unsubscribe();
    return false;
}

void PortalGlobalHotKey::unsubscribe() {
    if (pendingRequest_.isEmpty()) return;
    bus_.disconnect(kService, pendingRequest_, kRequest, QStringLiteral("Response"), this, nullptr);
    pendingRequest_.clear();
}

void PortalGlobalHotKey::sessionCreated(uint response, const QVariantMap& results) {
    unsubscribe();
    if (response != 0 || !wanted_) return;
    session_ = results.value(QStringLiteral("session_handle")).toString();
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

void PortalGlobalHotKey::shortcutsBound(uint response, const QVariantMap&) {
    unsubscribe();
    if (response != 0)
        std::fputs("quorlan-lite: the desktop did not bind Ctrl+Alt+S (declined in its dialog?)\n",
                   stderr);
}

void PortalGlobalHotKey::activated(const QDBusObjectPath& session, const QString& id, qulonglong,
                                   const QVariantMap&) {
    if (session.path() == session_ && id == kShortcutId && onPress_) onPress_();
}

} // namespace ql
