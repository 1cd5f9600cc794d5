// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/FaceCell.h"

#include <algorithm>

namespace ql {

FaceCell::FaceCell(std::initializer_list<FaceItem> items) {
    for (const FaceItem& item : items)
        items_[count_++] = item;
}

void FaceCell::put(FaceItem item) {
    for (int i = count_ - 1; i >= 0; --i) {
        FaceItem& old = items_[std::size_t(i)];
        if (old.x == item.x && old.y == item.y && old.list == item.list) {
            old = item;
            return;
        }
    }
    if (count_ < kCapacity) items_[count_++] = item;
}

bool FaceCell::operator==(const FaceCell& other) const {
    return count_ == other.count_ && std::equal(begin(), end(), other.begin());
}

const CellPlace& cellPlace(CellId id) {
    static const CellPlace places[kCellCount] = {
        {"Hour1Paintbox", {21, 36, 31, 47}},  {"Hour2Paintbox", {50, 36, 31, 47}},
        {"ColPaintBox", {81, 43, 9, 33}},     {"Min1Paintbox", {92, 36, 31, 47}},
        {"Min2Paintbox", {121, 36, 31, 47}},  {"Sec1PaintBox", {153, 50, 22, 33}},
        {"Sec2PaintBox", {173, 50, 22, 33}},  {"Date1Paintbox", {166, 16, 14, 21}},
        {"Date2Paintbox", {180, 16, 14, 21}}, {"APPaintBox", {18, 46, 22, 33}},
        {"MiscPaintbox", {22, 14, 141, 21}},  {"WeekdayPaintBox", {21, 82, 174, 14}},
        {"MTPaintBox", {9, 10, 80, 21}},
    };
    return places[std::size_t(id)];
}

} // namespace ql
