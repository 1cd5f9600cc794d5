#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace ql {

// A pair of up/down arrow buttons bound to a line edit, which shows the position as a number.
// A step starts from the number in the edit when it reads as one, so typed values count; the
// arrow keys in the edit step as well.
class TUpDown : public QWidget {
    Q_OBJECT
  public:
    explicit TUpDown(QWidget* parent = nullptr);

    void setAssociate(QLineEdit* edit);
    QLineEdit* associate() const { return Associate; }
    void setMin(int min) { Min = min; }
    void setMax(int max) { Max = max; }
    int min() const { return Min; }
    int max() const { return Max; }
    void setWrap(bool wrap) { Wrap = wrap; }
    bool wrap() const { return Wrap; }
    // Clamped into the range; always rewrites the associate's text.
    void setPosition(int position);
    int position() const { return Position; }
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

    QToolButton* UpButton = nullptr;
    QToolButton* DownButton = nullptr;
    QLineEdit* Associate = nullptr;
    int Min = 0;
    int Max = 100;
    int Position = 0;
    bool Wrap = false;
};

} // namespace ql
