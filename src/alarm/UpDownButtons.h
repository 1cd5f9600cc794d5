// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ql {

// A pair of up/down arrow buttons bound to a line edit, which shows the position as a number.
// A step starts from the number in the edit when it reads as one, so typed values count; the
// arrow keys in the edit step as well.
class UpDownButtons : public QWidget {
    Q_OBJECT
    // Read by a screen reader as a spin button's value and range.
    Q_PROPERTY(int position READ position WRITE setPosition)
    Q_PROPERTY(int minimum READ min)
    Q_PROPERTY(int maximum READ max)
  public:
    explicit UpDownButtons(QWidget* parent = nullptr);

    void setAssociate(QLineEdit* edit);
    QLineEdit* associate() const { return associate_; }
    void setMin(int min) { min_ = min; }
    void setMax(int max) { max_ = max; }
    int min() const { return min_; }
    int max() const { return max_; }
    void setWrap(bool wrap) { wrap_ = wrap; }
    bool wrap() const { return wrap_; }
    // Clamped into the range; always rewrites the associate's text.
    void setPosition(int position);
    int position() const { return position_; }
    // What a click on the up (delta +1) or down (delta -1) button does.
    void step(int delta);

  signals:
    void clicked(); // after a step changed the position and the text

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    bool stepKey(int key);
    int clamped(int value) const;

    QToolButton* upButton_ = nullptr;
    QToolButton* downButton_ = nullptr;
    QLineEdit* associate_ = nullptr;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    bool wrap_ = false;
};

} // namespace ql
