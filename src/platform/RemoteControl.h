// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

namespace ql {

// Requests from other programs of the same user, e.g. a compositor key bound to
// "quorlan-lite --speak" where no portal offers global shortcuts.
class RemoteControl {
  public:
    // Speaks, or says why nothing can be spoken; empty when it speaks.
    using Handler = std::function<std::string()>;
    virtual ~RemoteControl() = default;
    // Starts taking "speak" requests; false when they cannot be taken (no session bus, or another
    // clock already answers for this user).
    virtual bool serve(Handler onSpeak) = 0;
};

} // namespace ql
