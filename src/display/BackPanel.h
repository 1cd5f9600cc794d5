#pragma once

#include <QWidget>

namespace ql {

class ImageList;

// The main window's background: one image of a list drawn once at its top-left corner,
// unscaled; parent of every other control of the window.
class TBackPanel : public QWidget {
    Q_OBJECT
  public:
    explicit TBackPanel(QWidget* parent);

    void setImageList(const ImageList* list);
    void setImageIndex(int index);
    int imageIndex() const { return index_; }

  signals:
    // The window is about to appear: its face must be made current before it paints.
    void shown();
    void mousePressed(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const ImageList* list_ = nullptr;
    int index_ = 15;
};

} // namespace ql
