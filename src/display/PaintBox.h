#pragma once

#include <QRect>
#include <QWidget>

#include <array>

namespace ql {

class ImageList;

// A drawing area of the face without a background of its own. It keeps the list items drawn
// into it, so that a repaint by the window system shows them again and a new item repaints
// only its own rectangle. Items are drawn opaque, unscaled and clipped to the box.
class TPaintBox : public QWidget {
    Q_OBJECT
  public:
    struct Item {
        const ImageList* list;
        int index;
        QRect rect; // in box coordinates, unclipped
    };

    TPaintBox(QWidget* parent, const char* name, QRect geometry);

    // Draws item index of list at (x, y). Throws std::out_of_range for an index outside the
    // list, leaving the box as it was.
    void draw(const ImageList& list, int index, int x, int y);
    // Forgets every item: the box shows what lies beneath it.
    void clear();

    int itemCount() const { return count_; }
    const Item& item(int i) const { return items_[std::size_t(i)]; }

  signals:
    // Before the box paints: its owner may draw current items into it first.
    void painting();
    void mousePressed(Qt::MouseButton button);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    bool showsOnTop(int i) const;
    void removeHiddenBy(const QRect& area);
    void append(const Item& item);

    // Enough for every item any layout draws into one box; an item wholly covered by a later
    // one is dropped, so the list stays short.
    std::array<Item, 16> items_{};
    int count_ = 0;
};

} // namespace ql
