// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace ql {

// Turns the operating system's requests to end the program (signals, end of the desktop
// session) into one close request on the user-interface thread.
class CloseRequestBridge {
  public:
    // Called on the user-interface thread. Returns true when the program agreed to end now.
    using Handler = std::function<bool()>;
    virtual ~CloseRequestBridge() = default;
    virtual void install(Handler onCloseRequest) = 0;
};

} // namespace ql
