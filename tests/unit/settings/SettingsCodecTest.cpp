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

TEST(SettingsCodec, LongNumbersDecodeWithRanges) {
    struct Row {
        const char* text;
        std::optional<WindowPosition> window;
        unsigned timer, repeat;
        int blend;
    } rows[] = {
        {"0120-008010000050200", WindowPosition{120, -8}, 100, 5, 200},
        {"12ab0000010000050200", std::nullopt, 100, 5, 200},
        {"0000000000500000", WindowPosition{0, 0}, 100, 0, 0},
        {"00000000200010000300", WindowPosition{0, 0}, 100, 0, 255},
        {"00000000100009990255", WindowPosition{0, 0}, 1000, 999, 255},
        {"0000000001000abc-001", WindowPosition{0, 0}, 100, 0, 255},
        {"", WindowPosition{0, 0}, 100, 0, 0},
    };
    for (const auto& r : rows) {
        SettingsRecord rec;
        const auto window = decodeLong(r.text, rec);
        ASSERT_EQ(window.has_value(), r.window.has_value()) << r.text;
        if (window) {
            EXPECT_EQ(window->top, r.window->top) << r.text;
            EXPECT_EQ(window->left, r.window->left) << r.text;
        }
        EXPECT_EQ(rec.FTimerInterval, r.timer) << r.text;
        EXPECT_EQ(rec.FAlarmRepeat, r.repeat) << r.text;
        EXPECT_EQ(rec.FBlendValue, r.blend) << r.text;
    }
}

TEST(SettingsCodec, ShortNumbersDecodeWithRanges) {
    struct Row {
        const char* text;
        int interval, hour, minute;
        bool small;
        int sound, volume, reserved;
    } rows[] = {
        {"15073000014040", 15, 7, 30, false, 1, 40, 40},
        {"", 60, 0, 0, false, 0, 40, 40},
        {"00245901076599", 60, 0, 59, true, 1, 65, 40},
        {"61", 60, 0, 0, false, 0, 40, 40},
        {"0106", 1, 6, 0, false, 0, 40, 40},
        {"60230002061009", 60, 23, 0, false, 6, 10, 40},
        {"x1-1ab", 60, 0, 0, false, 0, 40, 40},
    };
    for (const auto& r : rows) {
        SettingsRecord rec;
        decodeShort(r.text, rec);
        EXPECT_EQ(rec.FAnnounceInterval, r.interval) << r.text;
        EXPECT_EQ(rec.FAlarmHour, r.hour) << r.text;
        EXPECT_EQ(rec.FAlarmMinute, r.minute) << r.text;
        EXPECT_EQ(rec.FSmallMode, r.small) << r.text;
        EXPECT_EQ(rec.FAlarmSound, r.sound) << r.text;
        EXPECT_EQ(rec.FSpeechVolume, r.volume) << r.text;
        EXPECT_EQ(rec.FReservedVolume, r.reserved) << r.text;
    }
}

TEST(SettingsCodec, EncodesTheDocumentedExamples) {
    SettingsRecord rec;
    rec.FTimerInterval = 100;
    rec.FAlarmRepeat = 5;
    rec.FBlendValue = 200;
    EXPECT_EQ(encodeLong(rec, {120, -8}), "0120-008010000050200");
    rec.FAnnounceInterval = 15;
    rec.FAlarmHour = 7;
    rec.FAlarmMinute = 30;
    rec.FAlarmSound = 1;
    EXPECT_EQ(encodeShort(rec), "15073000014040");
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
