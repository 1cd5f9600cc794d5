// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace ql {

// The system-wide key Ctrl+Alt+S: fires whichever window has the focus.
class GlobalHotKey {
  public:
    using Handler = std::function<void()>;
    virtual ~GlobalHotKey() = default;
    // Starts delivering presses to onPress. False when the key cannot be had (another program
    // holds it, or there is no X11 display); the caller may try again later.
    virtual bool grab(Handler onPress) = 0;
    virtual void release() = 0;
};

} // namespace ql
