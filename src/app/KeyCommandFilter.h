// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

class QWidget;

namespace ql {

// Hands every key press meant for one window, whichever of its controls has the focus, to a
// handler before the controls see it. The handler returns true for a key it used.
class KeyCommandFilter : public QObject {
  public:
    using Handler = std::function<bool(int key, Qt::KeyboardModifiers modifiers)>;
    KeyCommandFilter(QWidget& window, Handler handler);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget& window_;
    Handler handler_;
};

} // namespace ql
