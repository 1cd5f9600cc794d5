// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/KGlobalAccelHotKey.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QKeyCombination>
#include <QList>

#include <algorithm>

namespace ql {
namespace {

const QString kService = QStringLiteral("org.kde.kglobalaccel");
const QString kPath = QStringLiteral("/kglobalaccel");
const QString kInterface = QStringLiteral("org.kde.KGlobalAccel");
const QString kComponentInterface = QStringLiteral("org.kde.kglobalaccel.Component");
const QString kComponent = QStringLiteral("quorlanlite");
const QString kAction = QStringLiteral("speak");
constexpr uint kSetPresent = 2; // the action is live: its key fires while we run
constexpr int kTimeoutMs = 5000;

QStringList actionId() {
    return {kComponent, kAction, QStringLiteral("Quorlan Lite"), QStringLiteral("Speak the time")};
}

QDBusMessage call(const QString& method, const QVariantList& args) {
    QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kInterface, method);
    m.setArguments(args);
    return m;
}

// Plasma's compositor hosts the service and sees every key. Elsewhere a lone copy started by
// some KDE program sees keys through X11 at best, so it is never used (nor started) there.
bool onPlasma() {
    const auto desktops = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(':');
    return desktops.contains(QStringLiteral("KDE"), Qt::CaseInsensitive);
}

} // namespace

KGlobalAccelHotKey::KGlobalAccelHotKey(QDBusConnection bus) : bus_(std::move(bus)) {}

KGlobalAccelHotKey::~KGlobalAccelHotKey() {
    release();
}

bool KGlobalAccelHotKey::grab(Handler onPress) {
    onPress_ = std::move(onPress);
    if (!componentPath_.isEmpty()) return true;
    if (!onPlasma() || !bus_.isConnected() || !bus_.interface()->isServiceRegistered(kService))
        return false;
    if (!registerShortcut()) return false;
    bus_.connect(kService, componentPath_, kComponentInterface,
                 QStringLiteral("globalShortcutPressed"), this,
                 SLOT(pressed(QString, QString, qlonglong)));
    return true;
}

// The key the service answers with is the user's choice where one is saved; none at all means
// another program holds Ctrl+Alt+S.
bool KGlobalAccelHotKey::registerShortcut() {
    bus_.call(call(QStringLiteral("doRegister"), {actionId()}), QDBus::Block, kTimeoutMs);
    const int key = QKeyCombination(Qt::ControlModifier | Qt::AltModifier, Qt::Key_S).toCombined();
    const QDBusMessage keys =
        bus_.call(call(QStringLiteral("setShortcut"),
                       {actionId(), QVariant::fromValue(QList<int>{key}), kSetPresent}),
                  QDBus::Block, kTimeoutMs);
    if (keys.type() != QDBusMessage::ReplyMessage) return false;
    const auto assigned = qdbus_cast<QList<int>>(keys.arguments().value(0));
    if (std::none_of(assigned.begin(), assigned.end(), [](int k) { return k != 0; })) return false;
    const QDBusMessage path =
        bus_.call(call(QStringLiteral("getComponent"), {kComponent}), QDBus::Block, kTimeoutMs);
    componentPath_ = path.arguments().value(0).value<QDBusObjectPath>().path();
    return !componentPath_.isEmpty();
}

void KGlobalAccelHotKey::release() {
    if (componentPath_.isEmpty()) return;
    bus_.disconnect(kService, componentPath_, kComponentInterface,
                    QStringLiteral("globalShortcutPressed"), this,
                    SLOT(pressed(QString, QString, qlonglong)));
    // Inactive, the key goes back to whoever else wants it until we run again.
    bus_.call(call(QStringLiteral("setInactive"), {actionId()}), QDBus::NoBlock);
    componentPath_.clear();
}

void KGlobalAccelHotKey::pressed(const QString& component, const QString& action, qlonglong) {
    if (component == kComponent && action == kAction && onPress_) onPress_();
}

} // namespace ql
