// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

#include <array>
#include <cstdint>

namespace ql {

// The four image lists of the face.
enum class FaceList : std::uint8_t { HrMin, Sec, MS, Misc };

// One list item drawn into a cell with its top-left corner at (x, y) in cell coordinates.
struct FaceItem {
    FaceList list;
    std::int8_t index;
    std::int16_t x;
    std::int16_t y;

    bool operator==(const FaceItem&) const = default;
};

// What one cell of the face shows: its items in drawing order, each clipped to the cell. A cell
// that is not visible shows the background beneath it.
class FaceCell {
  public:
    static constexpr int kCapacity = 6; // the small time: mark, four digits and the colon

    FaceCell() = default;
    FaceCell(std::initializer_list<FaceItem> items);
    static FaceCell hidden() { return FaceCell(); }

    bool visible() const { return count_ > 0; }
    int count() const { return count_; }
    const FaceItem* begin() const { return items_.data(); }
    const FaceItem* end() const { return items_.data() + count_; }
    const FaceItem& operator[](int i) const { return items_[std::size_t(i)]; }
    // Replaces the item at (x, y) drawn last, or appends when there is none.
    void put(FaceItem item);

    bool operator==(const FaceCell& other) const;

  private:
    std::array<FaceItem, kCapacity> items_{};
    std::uint8_t count_ = 0;
};

// The thirteen cells, in the order their documented names list them.
enum class CellId : std::uint8_t {
    Hour1,
    Hour2,
    Col,
    Min1,
    Min2,
    Sec1,
    Sec2,
    Date1,
    Date2,
    AP,
    Misc,
    Weekday,
    MT,
};
inline constexpr int kCellCount = 13;

// Where a cell lies on the face, and its documented control name.
struct CellPlace {
    const char* name;
    QRect rect;
};
const CellPlace& cellPlace(CellId id);
inline QRect cellRect(CellId id) {
    return cellPlace(id).rect;
}

// Cells whose contents changed, one bit per CellId.
using CellMask = std::uint16_t;
inline constexpr CellMask bit(CellId id) {
    return CellMask(1u << unsigned(id));
}

} // namespace ql
