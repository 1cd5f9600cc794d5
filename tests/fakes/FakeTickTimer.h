// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TickTimer.h"

namespace ql {

// Ticks only when the test says so.
struct FakeTickTimer : TickTimer {
    Handler handler;
    bool running = false;
    void start(Handler h) override {
        handler = std::move(h);
        running = true;
    }
    void stop() override { running = false; }
    void fire() {
        if (running) handler();
    }
};

} // namespace ql
