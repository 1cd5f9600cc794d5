// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ql {

// Whether the application's window has a button in the desktop's taskbar.
class TaskbarButton {
  public:
    virtual ~TaskbarButton() = default;
    virtual void show(QWidget& window) = 0;
    virtual void hide(QWidget& window) = 0;
};

} // namespace ql
