// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SignalCloseBridge.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QSessionManager>
#include <gtest/gtest.h>

#include <csignal>

namespace ql {
namespace {

bool processUntil(const std::function<bool()>& done) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// No session manager runs here without a person at it, so its end-of-session request is sent
// the way Qt hands it on: as QGuiApplication::commitDataRequest. Qt alone can make a
// QSessionManager; the bridge never touches it, so a stand-in of its size is passed.
void sendEndOfSession() {
    alignas(QSessionManager) unsigned char standIn[sizeof(QSessionManager)] = {};
    void* args[] = {nullptr, standIn};
    const int index = QGuiApplication::staticMetaObject.indexOfSignal(
        QMetaObject::normalizedSignature("commitDataRequest(QSessionManager&)"));
    ASSERT_GE(index, 0);
    QMetaObject::activate(qApp, &QGuiApplication::staticMetaObject,
                          index - QGuiApplication::staticMetaObject.methodOffset(), args);
}

// The end of the session and the signals of a log-out or kill all reach the clock's close
// request, once each.
TEST(SignalCloseBridgeTest, EndOfSessionAndTerminationSignalsAskToClose) {
    SignalCloseBridge bridge;
    int requests = 0;
    bridge.install([&] {
        ++requests;
        return true;
    });
    sendEndOfSession();
    EXPECT_EQ(requests, 1);
    for (int sig : {SIGTERM, SIGHUP, SIGINT}) {
        const int before = requests;
        std::raise(sig);
        EXPECT_TRUE(processUntil([&] { return requests == before + 1; })) << sig;
    }
}

} // namespace
} // namespace ql
