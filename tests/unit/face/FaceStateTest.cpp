// SPDX-License-Identifier: GPL-3.0-or-later
#include "face/FaceState.h"
#include "face/FaceRules.h"
#include "face/FaceText.h"

#include <gtest/gtest.h>

#include <string>

namespace ql {

// Readable failure messages: "Misc 13 @0,15".
void PrintTo(const FaceItem& i, std::ostream* os) {
    static const char* const lists[] = {"HrMin", "Sec", "MS", "Misc"};
    *os << lists[int(i.list)] << ' ' << int(i.index) << " @" << i.x << ',' << i.y;
}
void PrintTo(const FaceCell& cell, std::ostream* os) {
    *os << '{';
    for (const FaceItem& i : cell) {
        PrintTo(i, os);
        *os << "; ";
    }
    *os << '}';
}

namespace {

using C = CellId;

FaceItem H(int digit) {
    return {FaceList::HrMin, std::int8_t(digit), 0, 0};
}
FaceItem D(int digit, int x = 0) {
    return {FaceList::MS, std::int8_t(digit), std::int16_t(x), 0};
}
FaceItem M(int index, int x, int y) {
    return {FaceList::Misc, std::int8_t(index), std::int16_t(x), std::int16_t(y)};
}

const FaceCell kHidden;
const FaceCell kAm{M(7, 0, 0), M(14, 0, 15)};
const FaceCell kPm{M(14, 0, 0), M(8, 0, 15)};
const FaceCell kMarksBlank{M(13, 0, 0), M(13, 0, 15)};

TEST(FaceRules, HourCellsInBothFormats) {
    struct Row {
        int hour;
        bool hours24;
        FaceCell tens, ones, marks;
        bool marksFirst;
    } rows[] = {
        {0, false, {H(1)}, {H(2)}, kAm, false},
        {9, false, {H(10)}, {H(9)}, kAm, false},
        {11, false, {H(1)}, {H(1)}, kAm, false},
        {12, false, {H(1)}, {H(2)}, kPm, false},
        {13, false, {H(10)}, {H(1)}, kPm, false},
        {22, false, {H(1)}, {H(0)}, kPm, false},
        {23, false, {H(1)}, {H(1)}, kPm, false},
        {0, true, kHidden, {H(0)}, kMarksBlank, true},
        {9, true, kHidden, {H(9)}, kMarksBlank, true},
        {10, true, {H(1)}, {H(0)}, kMarksBlank, true},
        {20, true, {H(2)}, {H(0)}, kMarksBlank, true},
        {23, true, {H(2)}, {H(3)}, kMarksBlank, true},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.hour) + (r.hours24 ? " 24h" : " 12h"));
        const faceRules::HourCells got = faceRules::hourCells(r.hour, r.hours24);
        EXPECT_EQ(got.tens, r.tens);
        EXPECT_EQ(got.ones, r.ones);
        EXPECT_EQ(got.marks, r.marks);
        EXPECT_EQ(got.marksFirst, r.marksFirst);
    }
}

TEST(FaceRules, IndicatorsThenTheDateLabel) {
    struct Row {
        bool alarm, announce;
        FaceCell cell;
    } rows[] = {
        {false, false, {M(14, 0, 6), M(14, 6, 6), M(14, 32, 2), M(14, 32, 8), M(12, 115, 2)}},
        {true, false, {M(10, 0, 6), M(14, 32, 2), M(14, 32, 8), M(12, 115, 2)}},
        {false, true, {M(14, 0, 6), M(14, 6, 6), M(9, 32, 2), M(12, 115, 2)}},
        {true, true, {M(10, 0, 6), M(9, 32, 2), M(12, 115, 2)}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(faceRules::indicatorCell(r.alarm, r.announce), r.cell) << r.alarm << r.announce;
}

TEST(FaceRules, DayAndWeekday) {
    struct Row {
        int day, weekday;
        FaceCell tens, ones, names;
    } rows[] = {
        {5, 1, {D(10)}, {D(5)}, {M(14, 150, 0), M(0, 0, 0)}},
        {9, 2, {D(10)}, {D(9)}, {M(14, 0, 0), M(1, 25, 0)}},
        {10, 6, {D(1)}, {D(0)}, {M(14, 100, 0), M(5, 125, 0)}},
        {31, 7, {D(3)}, {D(1)}, {M(14, 125, 0), M(6, 150, 0)}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(std::to_string(r.day) + "/" + std::to_string(r.weekday));
        EXPECT_EQ(faceRules::dayTensCell(r.day), r.tens);
        EXPECT_EQ(faceRules::digitCell(FaceList::MS, r.day % 10), r.ones);
        EXPECT_EQ(faceRules::weekdayCell(r.weekday), r.names);
    }
}

TEST(FaceRules, SmallTimeInBothFormats) {
    struct Row {
        int hour, minute;
        bool hours24;
        FaceCell cell;
    } rows[] = {
        {0, 7, false, {D(1, 8), D(2, 22), M(17, 0, 0), D(0, 42), D(7, 56)}},
        {12, 30, false, {D(1, 8), D(2, 22), M(18, 0, 0), D(3, 42), D(0, 56)}},
        {13, 5, false, {D(10, 8), D(1, 22), M(18, 0, 0), D(0, 42), D(5, 56)}},
        {9, 59, true, {M(19, 0, 0), D(10, 8), D(9, 22), D(5, 42), D(9, 56)}},
        {22, 0, true, {M(19, 0, 0), D(2, 8), D(2, 22), D(0, 42), D(0, 56)}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(faceRules::miniTimeCell(r.hour, r.minute, r.hours24), r.cell)
            << r.hour << ":" << r.minute;
}

// The tens digit is drawn over the blank AM/PM area in 24-hour mode, under the marks in
// 12-hour mode; the weekday strip is painted last, over the digits' bottom row.
// What a screen reader reads for the face: the hour as the digits show it, midnight and noon
// included, and a damaged weekday without a crash.
TEST(FaceText, TimeAsShown) {
    struct Row {
        int hour, minute, day, dayOfWeek;
        bool hours24, small;
        const char* text;
    } rows[] = {
        {14, 25, 7, 2, true, false, "14:25, Monday 7"},
        {14, 25, 7, 2, false, false, "2:25 PM, Monday 7"},
        {0, 5, 31, 1, false, false, "12:05 AM, Sunday 31"},
        {0, 5, 31, 1, true, false, "0:05, Sunday 31"},
        {12, 0, 1, 7, false, false, "12:00 PM, Saturday 1"},
        {9, 59, 1, 7, true, true, "9:59"},
        {23, 59, 1, 7, false, true, "11:59 PM"},
        {10, 15, 3, 0, true, false, "10:15"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(
            FaceText::time(r.hour, r.minute, r.day, r.dayOfWeek, r.hours24, r.small).toStdString(),
            r.text);
    EXPECT_EQ(FaceText::indicators(true, false).toStdString(), "Alarm on, announcements off");
}

TEST(FaceState, PaintOrderFollowsTheHourFormat) {
    const FaceState::Order twelve{C::Hour1, C::Hour2,   C::AP,   C::Misc, C::Col,
                                  C::Min1,  C::Min2,    C::Sec1, C::Sec2, C::Date1,
                                  C::Date2, C::Weekday, C::MT};
    const FaceState::Order twentyFour{C::AP,    C::Hour1,   C::Hour2, C::Misc, C::Col,
                                      C::Min1,  C::Min2,    C::Sec1,  C::Sec2, C::Date1,
                                      C::Date2, C::Weekday, C::MT};
    FaceState state;
    state.setHours(22, {.hours24 = true});
    EXPECT_EQ(state.paintOrder(), twentyFour);
    state.setHours(22, {});
    EXPECT_EQ(state.paintOrder(), twelve);
}

// Only the cells whose picture changes are repainted.
TEST(FaceState, SettersReportOnlyTheCellsThatChanged) {
    FaceState state;
    EXPECT_EQ(state.setSeconds(59), bit(C::Sec1) | bit(C::Sec2));
    EXPECT_EQ(state.setSeconds(59), 0);
    EXPECT_EQ(state.setSeconds(50), bit(C::Sec2));
    EXPECT_EQ(state.setMinutes(29), bit(C::Min1) | bit(C::Min2));
    EXPECT_EQ(state.setMinutes(30), bit(C::Min1) | bit(C::Min2));
    EXPECT_EQ(state.setMinutes(31), bit(C::Min2));
    EXPECT_EQ(state.setDate(6, 7), bit(C::Date1) | bit(C::Date2) | bit(C::Weekday));
    EXPECT_EQ(state.setDate(7, 1), bit(C::Date2) | bit(C::Weekday));
    const CellMask hourGroup =
        bit(C::Hour1) | bit(C::Hour2) | bit(C::AP) | bit(C::Misc) | bit(C::Col);
    EXPECT_EQ(state.setHours(9, {}), hourGroup);
    EXPECT_EQ(state.setHours(9, {}), 0);
    EXPECT_EQ(state.setHours(10, {}), bit(C::Hour1) | bit(C::Hour2));
    EXPECT_EQ(state.setHours(10, {.alarmOn = true}), bit(C::Misc));
    // To 24 hours at 10: the tens digit stays, but it now lies over the blanked marks.
    EXPECT_EQ(state.setHours(10, {.hours24 = true, .alarmOn = true}), bit(C::Hour1) | bit(C::AP));
}

TEST(FaceState, TwentyFourHoursHidesTheTensCellBeforeTen) {
    FaceState state;
    state.setHours(9, {.hours24 = true});
    EXPECT_FALSE(state.shows(C::Hour1));
    EXPECT_TRUE(state.shows(C::AP));
    state.setHours(9, {});
    EXPECT_TRUE(state.shows(C::Hour1));
    EXPECT_EQ(state.cell(C::Hour1), FaceCell{H(10)});
}

TEST(FaceState, EachLayoutShowsOnlyItsOwnCells) {
    FaceState state;
    state.setHours(13, {});
    state.setMinutes(5);
    state.setMiniTime(13, 5, false);
    EXPECT_TRUE(state.shows(C::Hour2));
    EXPECT_FALSE(state.shows(C::MT));
    EXPECT_EQ(state.background(), 15);
    EXPECT_EQ(state.setLayout(true),
              CellMask(bit(C::Hour1) | bit(C::Hour2) | bit(C::AP) | bit(C::Misc) | bit(C::Col) |
                       bit(C::Min1) | bit(C::Min2)));
    EXPECT_EQ(state.background(), 16);
    EXPECT_FALSE(state.shows(C::Hour2));
    EXPECT_FALSE(state.shows(C::MT)); // not drawn until the small time is set
    EXPECT_EQ(state.setLayout(true), 0);
    // Unseen cells cost no repaint.
    EXPECT_EQ(state.setMinutes(6), 0);
    EXPECT_EQ(state.setMiniTime(13, 6, false), bit(C::MT));
}

TEST(FaceState, SmallColonBlinksAndSurvivesANewMinute) {
    FaceState state;
    state.setLayout(true);
    state.setMiniTime(13, 5, false);
    EXPECT_EQ(state.setMiniColon(true), bit(C::MT));
    const FaceCell lit{D(10, 8), D(1, 22), M(18, 0, 0), D(0, 42), D(5, 56), M(20, 37, 0)};
    EXPECT_EQ(state.cell(C::MT), lit);
    state.setMiniColon(false);
    state.setMiniTime(13, 6, false);
    const FaceCell dark{D(10, 8), D(1, 22), M(18, 0, 0), D(0, 42), D(6, 56), M(21, 37, 0)};
    EXPECT_EQ(state.cell(C::MT), dark);
    state.setLayout(false);
    state.setLayout(true);
    EXPECT_FALSE(state.shows(C::MT));
}

// A value no image stands for leaves its cell as it was; the rest of the group still changes.
TEST(FaceState, ImpossibleValuesLeaveTheirCellAlone) {
    FaceState state;
    state.setMinutes(29);
    state.setDate(7, 2);
    EXPECT_EQ(state.setMinutes(200), 0);
    EXPECT_EQ(state.cell(C::Min1), FaceCell{H(2)});
    EXPECT_EQ(state.setDate(8, 0), bit(C::Date2));
    EXPECT_EQ(state.cell(C::Weekday), (FaceCell{M(14, 0, 0), M(1, 25, 0)}));
}

} // namespace
} // namespace ql
