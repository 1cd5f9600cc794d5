// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/CloseRequestBridge.h"

#include <QObject>

class QSocketNotifier;
class QSessionManager;

namespace ql {

// SIGTERM, SIGINT and SIGHUP through a self-pipe into the event loop, and the session manager's
// commit request.
class SignalCloseBridge : public QObject, public CloseRequestBridge {
    Q_OBJECT
  public:
    ~SignalCloseBridge() override;
    void install(Handler onCloseRequest) override;

  private:
    void onSignal();
    void onCommitData(QSessionManager& manager);

    Handler handler_;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace ql
