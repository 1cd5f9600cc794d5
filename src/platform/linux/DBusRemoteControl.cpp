// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DBusRemoteControl.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>

#include <cstdio>
#include <string>

namespace ql {
namespace {

const QString kName = QStringLiteral("org.vessantry.QuorlanLite");
const QString kPath = QStringLiteral("/org/vessantry/QuorlanLite");
const QString kCannotSpeak = QStringLiteral("org.vessantry.QuorlanLite.Error.CannotSpeak");

// Why a call to Speak did not make a clock speak, as the user reads it.
std::string failureOf(const QDBusMessage& reply) {
    if (reply.errorName() == kCannotSpeak)
        return "the clock cannot speak: " + reply.errorMessage().toStdString();
    switch (QDBusError(reply).type()) {
    case QDBusError::ServiceUnknown:
        return "no clock is running to speak the time";
    case QDBusError::NoReply:
    case QDBusError::Timeout:
        return "the running clock did not answer";
    default:
        return "the running clock could not be asked to speak: " +
               reply.errorMessage().toStdString();
    }
}

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
    const std::string reason = onSpeak_ ? onSpeak_() : "it has not finished starting";
    if (!reason.empty() && calledFromDBus())
        sendErrorReply(kCannotSpeak, QString::fromStdString(reason));
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
    std::fprintf(stderr, "quorlan-lite: %s\n", failureOf(reply).c_str());
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
    if (QDBusError(reply).type() == QDBusError::ServiceUnknown)
        std::fputs("quorlan-lite: no clock is running to show\n", stderr);
    else
        std::fprintf(stderr, "quorlan-lite: the running clock could not be shown: %s\n",
                     reply.errorMessage().toLocal8Bit().constData());
    return 1;
}

} // namespace ql
