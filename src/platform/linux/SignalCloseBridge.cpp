// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/SignalCloseBridge.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace ql {
namespace {

int pipeFds[2] = {-1, -1};

void onPosixSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto n = write(pipeFds[1], &byte, 1); // async-signal-safe
}

} // namespace

SignalCloseBridge::~SignalCloseBridge() {
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        std::signal(sig, SIG_DFL);
}

void SignalCloseBridge::install(Handler onCloseRequest) {
    handler_ = std::move(onCloseRequest);
    if (pipeFds[0] < 0 && pipe2(pipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
    notifier_ = new QSocketNotifier(pipeFds[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SignalCloseBridge::onSignal);
    struct sigaction sa {};
    sa.sa_handler = onPosixSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    for (int sig : {SIGTERM, SIGINT, SIGHUP})
        sigaction(sig, &sa, nullptr);
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(app, &QGuiApplication::commitDataRequest, this, &SignalCloseBridge::onCommitData,
                Qt::DirectConnection);
    }
}

void SignalCloseBridge::onSignal() {
    char buffer[64];
    while (read(pipeFds[0], buffer, sizeof buffer) > 0) {
    }
    if (handler_) handler_();
}

// A refused close (speech still running) is carried out by the tick moments later, with the
// settings saved then, so the log-out is not cancelled for it.
void SignalCloseBridge::onCommitData(QSessionManager&) {
    if (handler_) handler_();
}

} // namespace ql
