#include "settings/SettingsCodec.h"

#include <gtest/gtest.h>

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

// Each number at the edges of its range, as its field in the store holds it; the first value is
// what a record starts with and what an empty store gives.
TEST(SettingsCodec, EachNumberIsReadWithinItsRange) {
    struct Row {
        bool longNumbers; // else the short ones
        int position;
        long (*get)(const SettingsRecord&);
        long absent;
        std::vector<std::pair<const char*, long>> reads;
    } rows[] = {
        {true,
         2,
         [](const SettingsRecord& r) -> long { return r.FTimerInterval; },
         100,
         {{"0100", 100}, {"1000", 1000}, {"0099", 100}, {"1001", 100}, {"2000", 100}, {"1x", 100}}},
        {true,
         3,
         [](const SettingsRecord& r) -> long { return r.FAlarmRepeat; },
         0,
         {{"0005", 5}, {"0999", 999}, {"1000", 0}, {"-001", 0}, {"abcd", 0}}},
        {true,
         4,
         [](const SettingsRecord& r) -> long { return r.FBlendValue; },
         0,
         {{"0000", 0}, {"0255", 255}, {"0256", 255}, {"0300", 255}, {"-001", 255}, {"abc", 255}}},
        {false,
         0,
         [](const SettingsRecord& r) -> long { return r.FAnnounceInterval; },
         60,
         {{"01", 1}, {"15", 15}, {"60", 60}, {"00", 60}, {"61", 60}, {"x1", 60}}},
        {false,
         1,
         [](const SettingsRecord& r) -> long { return r.FAlarmHour; },
         0,
         {{"07", 7}, {"23", 23}, {"24", 0}, {"-1", 0}}},
        {false,
         2,
         [](const SettingsRecord& r) -> long { return r.FAlarmMinute; },
         0,
         {{"30", 30}, {"59", 59}, {"60", 0}}},
        {false,
         3,
         [](const SettingsRecord& r) -> long { return r.FSmallMode; },
         0,
         {{"01", 1}, {"00", 0}, {"02", 0}, {"1", 0}}},
        {false,
         4,
         [](const SettingsRecord& r) -> long { return r.FAlarmSound; },
         0,
         {{"00", 0}, {"05", 5}, {"06", 6}, {"07", 1}, {"-1", 1}, {"ab", 1}}},
        {false,
         5,
         [](const SettingsRecord& r) -> long { return r.FSpeechVolume; },
         40,
         {{"10", 10}, {"65", 65}, {"09", 40}, {"66", 40}}},
        {false,
         6,
         [](const SettingsRecord& r) -> long { return r.FReservedVolume; },
         40,
         {{"10", 10}, {"65", 65}, {"09", 40}, {"99", 40}}},
    };
    for (const Row& r : rows) {
        const std::size_t width = r.longNumbers ? 4 : 2;
        const auto decode = [&](const std::string& text) {
            SettingsRecord rec;
            if (r.longNumbers)
                decodeLong(text, rec);
            else
                decodeShort(text, rec);
            return r.get(rec);
        };
        EXPECT_EQ(r.get(SettingsRecord{}), r.absent) << r.position;
        EXPECT_EQ(decode(""), r.absent) << r.position;
        for (const auto& [field, value] : r.reads) {
            std::string text(r.longNumbers ? 20 : 14, '0');
            std::string padded(field);
            padded.resize(width, ' ');
            text.replace(r.position * width, width, padded);
            EXPECT_EQ(decode(text), value) << text;
        }
    }
}

// Either coordinate not a number: no position, and the other fields are still read.
TEST(SettingsCodec, WindowPositionIsReadAsStored) {
    struct Row {
        const char* text;
        std::optional<WindowPosition> window;
    } rows[] = {
        {"0120-008010000050200", WindowPosition{120, -8}},
        {"-9999999010000050200", WindowPosition{-999, 9999}},
        {"12ab0000010000050200", std::nullopt},
        {"0000 12 010000050200", std::nullopt},
        {"", WindowPosition{0, 0}},
    };
    for (const auto& r : rows) {
        SettingsRecord rec;
        const auto window = decodeLong(r.text, rec);
        ASSERT_EQ(window.has_value(), r.window.has_value()) << r.text;
        if (window) {
            EXPECT_EQ(window->top, r.window->top) << r.text;
            EXPECT_EQ(window->left, r.window->left) << r.text;
        }
        if (*r.text) {
            EXPECT_EQ(rec.FAlarmRepeat, 5u) << r.text;
        }
    }
}

// The documented examples, and every number at the top of its range, both ways.
TEST(SettingsCodec, RecordsAreEncodedAndReadBack) {
    struct Row {
        std::uint32_t timer, repeat;
        int blend, interval, hour, minute;
        bool small;
        int sound, volume, reserved;
        WindowPosition window;
        const char *longText, *shortText;
    } rows[] = {
        {100,
         5,
         200,
         15,
         7,
         30,
         false,
         1,
         40,
         40,
         {120, -8},
         "0120-008010000050200",
         "15073000014040"},
        {1000,
         999,
         255,
         60,
         23,
         59,
         true,
         6,
         65,
         10,
         {-999, 9999},
         "-9999999100009990255",
         "60235901066510"},
    };
    for (const Row& r : rows) {
        SettingsRecord rec;
        rec.FTimerInterval = r.timer;
        rec.FAlarmRepeat = r.repeat;
        rec.FBlendValue = r.blend;
        rec.FAnnounceInterval = r.interval;
        rec.FAlarmHour = r.hour;
        rec.FAlarmMinute = r.minute;
        rec.FSmallMode = r.small;
        rec.FAlarmSound = r.sound;
        rec.FSpeechVolume = r.volume;
        rec.FReservedVolume = r.reserved;
        EXPECT_EQ(encodeLong(rec, r.window), r.longText);
        EXPECT_EQ(encodeShort(rec), r.shortText);
        SettingsRecord back;
        const auto window = decodeLong(r.longText, back);
        decodeShort(r.shortText, back);
        EXPECT_EQ(back, rec) << r.longText << " " << r.shortText;
        ASSERT_TRUE(window);
        EXPECT_EQ(window->top, r.window.top);
        EXPECT_EQ(window->left, r.window.left);
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
