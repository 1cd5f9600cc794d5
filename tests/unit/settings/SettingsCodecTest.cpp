// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsCodec.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace ql {
namespace {

using namespace SettingsCodec;

TEST(SettingsCodec, EncodesNumbersToFieldWidth) {
    struct Row {
        long value;
        int width;
        const char* text;
    } rows[] = {{100, 4, "0100"}, {7, 2, "07"},      {-8, 4, "-008"},   {-45, 4, "-045"},
                {0, 4, "0000"},   {9999, 4, "9999"}, {-999, 4, "-999"}, {60, 2, "60"}};
    for (const auto& r : rows)
        EXPECT_EQ(encodeNumber(r.value, r.width), r.text) << r.value;
}

TEST(SettingsCodec, ParsesOnlyOptionalMinusAndDigits) {
    struct Row {
        const char* text;
        std::optional<long> value;
    } rows[] = {{"0007", 7},           {"-008", -8},
                {"0120", 120},         {"12ab", std::nullopt},
                {"", std::nullopt},    {"-", std::nullopt},
                {"+12", std::nullopt}, {" 12", std::nullopt},
                {"1-2", std::nullopt}, {"00", 0}};
    for (const auto& r : rows)
        EXPECT_EQ(parseNumber(r.text), r.value) << r.text;
}

TEST(SettingsCodec, SelectedLanguageAcceptsAnyDecimalInteger) {
    EXPECT_EQ(parseInteger("3"), 3);
    EXPECT_EQ(parseInteger("-2"), -2);
    EXPECT_EQ(parseInteger("x"), std::nullopt);
    EXPECT_EQ(parseInteger(""), std::nullopt);
    EXPECT_EQ(parseInteger("99999999999"), std::nullopt);
    EXPECT_EQ(parseInteger("4 "), std::nullopt);
}

TEST(SettingsCodec, FlagsArePaddedAndOnlyOneIsTrue) {
    struct Row {
        const char* text;
        bool startInTray, onTop, h24, blend;
    } rows[] = {{"1", true, false, false, false},
                {"01x", false, true, false, false},
                {"", false, false, false, false},
                {"000000000001", false, false, false, true},
                {"0010000000011111", false, false, true, true}};
    for (const auto& r : rows) {
        SettingsRecord rec;
        decodeFlags(r.text, rec);
        EXPECT_EQ(rec.FStartInTray, r.startInTray) << r.text;
        EXPECT_EQ(rec.FOnTop, r.onTop) << r.text;
        EXPECT_EQ(rec.F24HourFormat, r.h24) << r.text;
        EXPECT_EQ(rec.FBlendOn, r.blend) << r.text;
        EXPECT_FALSE(rec.FAlarmOn) << r.text;
    }
}

TEST(SettingsCodec, FlagsRoundTripInTheirPositions) {
    SettingsRecord rec;
    rec.FOnTop = rec.FWindowless = true;
    EXPECT_EQ(encodeFlags(rec), "010000100000");
    rec = {};
    rec.FGlobalShortcut = rec.FAnnounceOn = true;
    EXPECT_EQ(encodeFlags(rec), "000100000010");
    SettingsRecord back;
    decodeFlags(encodeFlags(rec), back);
    EXPECT_TRUE(back.FGlobalShortcut && back.FAnnounceOn && !back.FOnTop);
}

// The numbers in record order: timer, repeat, blend, then interval, hour, minute, small, sound,
// speech volume, reserved volume.
using Numbers = std::array<long, 10>;

Numbers numbers(const SettingsRecord& r) {
    return {r.FTimerInterval, r.FAlarmRepeat,   r.FBlendValue, r.FAnnounceInterval,
            r.FAlarmHour,     r.FAlarmMinute,   r.FSmallMode,  r.FAlarmSound,
            r.FSpeechVolume,  r.FReservedVolume};
}

// Every number at the edges of its range and beyond. An empty store gives what a new record
// holds; a record read from numbers in range is written back as it was stored.
TEST(SettingsCodec, EachNumberIsReadWithinItsRange) {
    struct Row {
        const char *longText, *shortText;
        Numbers read;
        std::optional<WindowPosition> window;
        bool writtenBack;
    } rows[] = {
        {"", "", {100, 0, 0, 60, 0, 0, 0, 0, 40, 40}, WindowPosition{0, 0}, false},
        {"0120-008010000050200",
         "15073000014040",
         {100, 5, 200, 15, 7, 30, 0, 1, 40, 40},
         WindowPosition{120, -8},
         true},
        {"-9999999100009990255",
         "60235901066510",
         {1000, 999, 255, 60, 23, 59, 1, 6, 65, 10},
         WindowPosition{-999, 9999},
         true},
        {"00000000010000000000",
         "01000000001065",
         {100, 0, 0, 1, 0, 0, 0, 0, 10, 65},
         WindowPosition{0, 0},
         true},
        {"000000000099-001-001",
         "00-1-1-1-10909",
         {100, 0, 255, 60, 0, 0, 0, 1, 40, 40},
         WindowPosition{0, 0},
         false},
        {"00000000100110000256",
         "61246002076666",
         {100, 0, 255, 60, 0, 0, 0, 1, 40, 40},
         WindowPosition{0, 0},
         false},
        {"12ab 12 1x  abcd0200",
         "x1a-+1 1ab1e2x",
         {100, 0, 200, 60, 0, 0, 0, 1, 40, 40},
         std::nullopt,
         false},
    };
    EXPECT_EQ(numbers(SettingsRecord{}), rows[0].read);
    for (const Row& r : rows) {
        SettingsRecord rec;
        const auto window = decodeLong(r.longText, rec);
        decodeShort(r.shortText, rec);
        EXPECT_EQ(numbers(rec), r.read) << r.longText << " " << r.shortText;
        ASSERT_EQ(window.has_value(), r.window.has_value()) << r.longText;
        if (!window) continue;
        EXPECT_EQ(window->top, r.window->top) << r.longText;
        EXPECT_EQ(window->left, r.window->left) << r.longText;
        if (!r.writtenBack) continue;
        EXPECT_EQ(encodeLong(rec, *window), r.longText);
        EXPECT_EQ(encodeShort(rec), r.shortText);
    }
}

// The values added beside the old ones: a store without them, or with a damaged one, reads as
// the clock behaved before they existed.
TEST(SettingsCodec, AddedValuesFallBackToTheOldBehaviour) {
    struct Row {
        const char *quiet, *days, *snooze, *chime;
        int from[2], until[2], announceDays, snoozeMinutes;
        bool chimeOn;
    } rows[] = {
        {"", "", "", "", {0, 0}, {0, 0}, 127, 9, false},
        {"22000730", "31", "15", "1", {22, 0}, {7, 30}, 31, 15, true},
        {"2460xx99", "128", "0", "2", {0, 0}, {0, 0}, 127, 9, false},
        {"2330", "-1", "61", "x", {23, 30}, {0, 0}, 127, 9, false},
        {"0000 9-1", "0", "60", "0", {0, 0}, {0, 0}, 0, 60, false},
    };
    for (const Row& r : rows) {
        SettingsRecord rec;
        decodePacked(kQuietHours, r.quiet, rec);
        decodeOwn(settingOf(&SettingsRecord::announceDays), r.days, rec);
        decodeOwn(settingOf(&SettingsRecord::snoozeMinutes), r.snooze, rec);
        decodeOwn(settingOf(&SettingsRecord::chimeOn), r.chime, rec);
        EXPECT_EQ((std::vector<int>{rec.quietFromHour, rec.quietFromMinute, rec.quietUntilHour,
                                    rec.quietUntilMinute, rec.announceDays, rec.snoozeMinutes}),
                  (std::vector<int>{r.from[0], r.from[1], r.until[0], r.until[1], r.announceDays,
                                    r.snoozeMinutes}))
            << r.quiet << " " << r.days << " " << r.snooze;
        EXPECT_EQ(rec.chimeOn, r.chimeOn) << r.chime;
    }
}

// Characters 9-10 hold the sound; any number outside 0-5 is silence and must read back as
// silence (6), never as the beep (0).
TEST(SettingsCodec, SilenceIsStoredAsTheSilentSound) {
    struct Row {
        int sound;
        const char* stored;
        int readBack;
    } rows[] = {{-1, "06", 6}, {6, "06", 6}, {0, "00", 0}, {5, "05", 5}, {7, "06", 6}};
    for (const auto& r : rows) {
        SettingsRecord rec;
        rec.FAlarmSound = r.sound;
        const std::string text = encodeShort(rec);
        EXPECT_EQ(text.substr(8, 2), r.stored) << r.sound;
        SettingsRecord back;
        decodeShort(text, back);
        EXPECT_EQ(back.FAlarmSound, r.readBack) << r.sound;
    }
}

TEST(SettingsCodec, CoordinatesBeyondTheFieldAreLimited) {
    SettingsRecord rec;
    EXPECT_EQ(encodeLong(rec, {-5000, 12345}).substr(0, 8), "-9999999");
    SettingsRecord back;
    const auto window = decodeLong(encodeLong(rec, {-5000, 12345}), back);
    ASSERT_TRUE(window);
    EXPECT_EQ(window->top, -999);
    EXPECT_EQ(window->left, 9999);
}

TEST(SettingsCodec, PositionIsPulledInsideTheDesktop) {
    struct Row {
        WindowPosition stored, placed;
    } rows[] = {{{5000, 10}, {1030, 10}},
                {{-8, -8}, {0, 0}},
                {{1080, 1920}, {1080, 1920}},
                {{1081, 1921}, {1030, 1870}}};
    for (const auto& r : rows) {
        const auto p = placeOnDesktop(r.stored, 1920, 1080);
        EXPECT_EQ(p.top, r.placed.top) << r.stored.top;
        EXPECT_EQ(p.left, r.placed.left) << r.stored.left;
    }
}

// The window as a whole stays reachable: 300 x 160 on 1280 x 1024, or larger than the desktop.
TEST(SettingsCodec, WholeWindowIsKeptOnTheDesktop) {
    struct Row {
        WindowPosition at;
        DesktopSize window;
        WindowPosition placed;
    } rows[] = {
        {{1000, 1250}, {300, 160}, {864, 980}}, {{1024, 1280}, {300, 160}, {864, 980}},
        {{864, 980}, {300, 160}, {864, 980}},   {{-5, -40}, {300, 160}, {0, 0}},
        {{500, 600}, {300, 160}, {500, 600}},   {{300, 300}, {2000, 1100}, {0, 0}},
    };
    for (const auto& r : rows) {
        const auto p = wholeOnDesktop(r.at, r.window, {1280, 1024});
        EXPECT_EQ(p.top, r.placed.top) << r.at.top << "," << r.at.left;
        EXPECT_EQ(p.left, r.placed.left) << r.at.top << "," << r.at.left;
    }
}

// Monitors of 1280 x 1024 at 0,0 and 1024 x 768 at 1280,0; the window is 292 x 130.
TEST(SettingsCodec, WholeWindowIsKeptOnAMonitor) {
    const std::vector<DesktopRect> two{{0, 0, 1280, 1024}, {1280, 0, 1024, 768}};
    struct Row {
        WindowPosition at;
        std::vector<DesktopRect> monitors;
        WindowPosition placed;
    } rows[] = {
        {{900, 1500}, two, {638, 1500}}, // below the small monitor, on none
        {{700, 1500}, two, {638, 1500}}, // partly below it
        {{900, 1200}, two, {894, 988}},  // mostly on the big one, across the seam
        {{100, 1200}, two, {100, 1200}}, // across the seam, all of it seen
        {{500, 600}, two, {500, 600}},
        {{2000, 3000}, two, {638, 2012}}, // beyond both, nearest the small one
        {{900, 1500}, {}, {900, 1500}},   // no monitors known
    };
    for (const auto& r : rows) {
        const auto p = wholeOnMonitor(r.at, {292, 130}, r.monitors);
        EXPECT_EQ(p.top, r.placed.top) << r.at.top << "," << r.at.left;
        EXPECT_EQ(p.left, r.placed.left) << r.at.top << "," << r.at.left;
    }
}

} // namespace
} // namespace ql
