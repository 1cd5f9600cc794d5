// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/TaskbarButton.h"

namespace ql {

// EWMH _NET_WM_STATE_SKIP_TASKBAR/_SKIP_PAGER: the property before the window is mapped, a
// client message to the root window once it is. Does nothing without X11.
class X11TaskbarButton : public TaskbarButton {
  public:
    void show(QWidget& window) override { apply(window, false); }
    void hide(QWidget& window) override { apply(window, true); }

  private:
    void apply(QWidget& window, bool skip);
    bool warned_ = false;
};

} // namespace ql
