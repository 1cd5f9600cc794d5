// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/GlobalHotKey.h"

namespace ql {

// A hot key the test presses itself; `heldElsewhere` makes every grab fail.
struct FakeGlobalHotKey : GlobalHotKey {
    bool heldElsewhere = false;
    bool grabbed = false;
    int grabAttempts = 0;
    Handler handler;
    bool grab(Handler onPress) override {
        ++grabAttempts;
        if (heldElsewhere) return false;
        handler = std::move(onPress);
        grabbed = true;
        return true;
    }
    void release() override { grabbed = false; }
    // A press reaches the program only while the key is grabbed.
    void press() {
        if (grabbed && handler) handler();
    }
};

} // namespace ql
