// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/FaceState.h"

#include "face/FaceRules.h"

namespace ql {
namespace {

using C = CellId;

// The big face redraw draws hours, minutes, seconds, then the date; a later cell lies over an
// earlier one where they overlap.
constexpr FaceState::Order kMarksOverTens{C::Hour1, C::Hour2,   C::AP,   C::Misc, C::Col,
                                          C::Min1,  C::Min2,    C::Sec1, C::Sec2, C::Date1,
                                          C::Date2, C::Weekday, C::MT};
constexpr FaceState::Order kTensOverMarks{C::AP,    C::Hour1,   C::Hour2, C::Misc, C::Col,
                                          C::Min1,  C::Min2,    C::Sec1,  C::Sec2, C::Date1,
                                          C::Date2, C::Weekday, C::MT};

bool inLayout(CellId id, bool small) {
    return (id == C::MT) == small;
}

} // namespace

bool FaceState::shows(CellId id) const {
    return inLayout(id, small_) && cell(id).visible();
}

const FaceState::Order& FaceState::paintOrder() const {
    return marksFirst_ ? kTensOverMarks : kMarksOverTens;
}

CellMask FaceState::apply(std::initializer_list<Change> changes) {
    CellMask changed = 0;
    for (const Change& c : changes) {
        if (!faceRules::fits(c.cell)) break;
        changed |= replace(c.id, c.cell);
    }
    return changed;
}

CellMask FaceState::replace(CellId id, const FaceCell& next) {
    FaceCell& current = cells_[std::size_t(id)];
    if (current == next) return 0;
    const bool wasShown = shows(id);
    current = next;
    return wasShown || shows(id) ? bit(id) : 0;
}

CellMask FaceState::setLayout(bool small) {
    if (small == small_) return 0;
    CellMask before = 0, after = 0;
    for (int i = 0; i < kCellCount; ++i)
        before |= shows(CellId(i)) ? bit(CellId(i)) : 0;
    small_ = small;
    // A new layout starts with its colon not yet drawn.
    cells_[std::size_t(C::MT)] = FaceCell::hidden();
    for (int i = 0; i < kCellCount; ++i)
        after |= shows(CellId(i)) ? bit(CellId(i)) : 0;
    return before | after;
}

CellMask FaceState::setHours(int hour, const FaceOptions& options) {
    const faceRules::HourCells h = faceRules::hourCells(hour, options.hours24);
    const FaceCell indicators = faceRules::indicatorCell(options.alarmOn, options.announceOn);
    CellMask changed = h.marksFirst
                           ? apply({{C::AP, h.marks}, {C::Hour1, h.tens}, {C::Hour2, h.ones}})
                           : apply({{C::Hour1, h.tens}, {C::Hour2, h.ones}, {C::AP, h.marks}});
    changed |= apply({{C::Misc, indicators}, {C::Col, faceRules::bigColonCell()}});
    if (h.marksFirst != marksFirst_) {
        marksFirst_ = h.marksFirst;
        if (!small_) changed |= bit(C::Hour1) | bit(C::AP);
    }
    return changed;
}

CellMask FaceState::setMinutes(int minute) {
    return apply({{C::Min1, faceRules::digitCell(FaceList::HrMin, minute / 10)},
                  {C::Min2, faceRules::digitCell(FaceList::HrMin, minute % 10)}});
}

CellMask FaceState::setSeconds(int second) {
    return apply({{C::Sec1, faceRules::digitCell(FaceList::Sec, second / 10)},
                  {C::Sec2, faceRules::digitCell(FaceList::Sec, second % 10)}});
}

CellMask FaceState::setDate(int day, int dayOfWeek) {
    return apply({{C::Date1, faceRules::dayTensCell(day)},
                  {C::Date2, faceRules::digitCell(FaceList::MS, day % 10)},
                  {C::Weekday, faceRules::weekdayCell(dayOfWeek)}});
}

CellMask FaceState::setMiniTime(int hour, int minute, bool hours24) {
    FaceCell next = faceRules::miniTimeCell(hour, minute, hours24);
    for (const FaceItem& item : cell(C::MT))
        if (faceRules::isMiniColon(item)) next.put(item);
    return apply({{C::MT, next}});
}

CellMask FaceState::setMiniColon(bool lit) {
    FaceCell next = cell(C::MT);
    next.put(faceRules::miniColon(lit));
    return apply({{C::MT, next}});
}

} // namespace ql
