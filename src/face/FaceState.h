// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "face/FaceCell.h"

#include <array>
#include <initializer_list>

namespace ql {

// The settings the face shows besides the time.
struct FaceOptions {
    bool hours24 = false;
    bool alarmOn = false;
    bool announceOn = false;
};

// Which image-list items each of the thirteen cells shows, and in which order the cells are
// painted where they overlap. A value: the face on screen is exactly this, whatever it showed
// before. Each setter recomputes one group from its inputs and returns the cells whose picture
// changed, so only those need repainting. A value no image stands for (minute 200, weekday 0)
// leaves its cell, and the cells drawn after it in its group, as they were.
class FaceState {
  public:
    CellMask setLayout(bool small);
    CellMask setHours(int hour, const FaceOptions& options);
    CellMask setMinutes(int minute);
    CellMask setSeconds(int second);
    CellMask setDate(int day, int dayOfWeek);
    // The small face except its colon, which keeps its phase.
    CellMask setMiniTime(int hour, int minute, bool hours24);
    CellMask setMiniColon(bool lit);

    bool small() const { return small_; }
    int background() const { return small_ ? 16 : 15; }
    const FaceCell& cell(CellId id) const { return cells_[std::size_t(id)]; }
    // In the current layout and drawn.
    bool shows(CellId id) const;
    using Order = std::array<CellId, kCellCount>;
    const Order& paintOrder() const;

    bool operator==(const FaceState&) const = default;

  private:
    struct Change {
        CellId id;
        FaceCell cell;
    };
    // Applies the changes in drawing order, up to the first one no image stands for.
    CellMask apply(std::initializer_list<Change> changes);
    CellMask replace(CellId id, const FaceCell& next);

    std::array<FaceCell, kCellCount> cells_{};
    bool small_ = false;
    bool marksFirst_ = false;
};

} // namespace ql
