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
    // list, leaving the box as it was. The screen follows at the next flush().
    void draw(const ImageList& list, int index, int x, int y);
    // Repaints what the draws since the last flush changed; nothing when they drew what the
    // box already showed.
    void flush();
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
    using Items = std::array<Item, 16>;

    void removeHiddenBy(const QRect& area);
    void append(const Item& item);
    bool sameAsBefore() const;

    // Enough for every item any layout draws into one box; an item wholly covered by a later
    // one is dropped, so the list stays short.
    Items items_{};
    int count_ = 0;
    // The items as the screen shows them, while draws are pending.
    Items shown_{};
    int shownCount_ = 0;
    bool pending_ = false;
    QRect dirty_;
};

} // namespace ql
