#include "platform/linux/DBusRemoteControl.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <cstdio>

namespace ql {
namespace {

const QString kName = QStringLiteral("org.vessantry.QuorlanLite");
const QString kPath = QStringLiteral("/org/vessantry/QuorlanLite");

} // namespace

bool DBusRemoteControl::serve(Handler onSpeak) {
    onSpeak_ = std::move(onSpeak);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    // A second clock started beside the first keeps running; only the first answers "--speak".
    if (!bus.registerService(kName)) return false;
    return bus.registerObject(kPath, this, QDBusConnection::ExportScriptableSlots);
}

void DBusRemoteControl::Speak() {
    if (onSpeak_) onSpeak_();
}

int DBusRemoteControl::askRunningClockToSpeak() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fputs("quorlan-lite: no session bus, so no running clock can be asked to speak\n",
                   stderr);
        return 1;
    }
    const QDBusMessage reply =
        bus.call(QDBusMessage::createMethodCall(kName, kPath, kName, QStringLiteral("Speak")),
                 QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ReplyMessage) return 0;
    std::fputs("quorlan-lite: no clock is running to speak the time\n", stderr);
    return 1;
}

} // namespace ql

namespace ql {

void DBusRemoteControl::Show() {
    if (onShow_) onShow_();
}

int DBusRemoteControl::askRunningClockToShow() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fputs("quorlan-lite: no session bus, so no running clock can be shown\n", stderr);
        return 1;
    }
    const QDBusMessage reply =
        bus.call(QDBusMessage::createMethodCall(kName, kPath, kName, QStringLiteral("Show")),
                 QDBus::Block, 5000);
    if (reply.type() == QDBusMessage::ReplyMessage) return 0;
    std::fputs("quorlan-lite: no clock is running to show\n", stderr);
    return 1;
}

} // namespace ql
