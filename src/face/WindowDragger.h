// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

class QWidget;

namespace ql {

// Moves a top-level window while the left button is held: through the window manager where
// there is one, else by following the pointer. Shows the four-way move cursor meanwhile.
class WindowDragger : public QObject {
    Q_OBJECT
  public:
    explicit WindowDragger(QWidget* window);
    ~WindowDragger() override;

    // The left button is down; globalPos is where it was pressed.
    void start(QPoint globalPos);
    bool active() const { return active_; }
    bool byHand() const { return byHand_; }

  signals:
    // The window was moved by a drag and has stayed put for a moment: the end of the drag, also
    // when the window manager moved it and kept the button's release to itself.
    void settled();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void finish();

    QWidget* window_;
    QPoint grabOffset_;
    bool active_ = false;
    bool byHand_ = false;
    bool moving_ = false; // from the start of a drag until the window has settled
    QTimer settle_;
};

} // namespace ql
