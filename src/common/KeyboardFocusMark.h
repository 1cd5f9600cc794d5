// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <initializer_list>

class QWidget;

namespace ql {

// Marks the focused control with the property keyboardFocus=true while the keyboard is in use,
// for a style sheet to draw its focus frame: a window worked by the mouse keeps its look. Tab
// and Shift+Tab start keyboard use, a mouse press ends it; focus that comes back when the window
// is activated again is marked as it was before.
class KeyboardFocusMark : public QObject {
  public:
    KeyboardFocusMark(QWidget& window, std::initializer_list<QWidget*> controls);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    static void mark(QWidget& control, bool on);

    bool keyboard_ = false;
};

} // namespace ql
