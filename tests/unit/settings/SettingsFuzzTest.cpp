#include "settings/SettingsCodec.h"

#include <gtest/gtest.h>

#include <random>

namespace ql {
namespace {

// Random text biased towards what the fields hold: digits, '-', and the odd stray byte.
std::string randomText(std::mt19937& rng, std::size_t maxLength) {
    static const char alphabet[] = "0123456789-0123456789-+ ax$\x01\xff";
    std::uniform_int_distribution<std::size_t> length(0, maxLength), pick(0, sizeof alphabet - 2);
    std::string s(length(rng), ' ');
    for (char& c : s)
        c = alphabet[pick(rng)];
    return s;
}

void expectInRange(const SettingsRecord& r) {
    EXPECT_TRUE(r.FTimerInterval >= 100 && r.FTimerInterval <= 1000);
    EXPECT_LE(r.FAlarmRepeat, 999u);
    EXPECT_TRUE(r.FBlendValue >= 0 && r.FBlendValue <= 255);
    EXPECT_TRUE(r.FAnnounceInterval >= 1 && r.FAnnounceInterval <= 60);
    EXPECT_TRUE(r.FAlarmHour >= 0 && r.FAlarmHour <= 23);
    EXPECT_TRUE(r.FAlarmMinute >= 0 && r.FAlarmMinute <= 59);
    EXPECT_TRUE(r.FAlarmSound >= 0 && r.FAlarmSound <= 6);
    EXPECT_TRUE(r.FSpeechVolume >= 10 && r.FSpeechVolume <= 65);
    EXPECT_TRUE(r.FReservedVolume >= 10 && r.FReservedVolume <= 65);
}

TEST(SettingsFuzz, AnyStoredTextDecodesIntoRange) {
    std::mt19937 rng(20261207);
    for (int i = 0; i < 100000; ++i) {
        SettingsRecord r;
        SettingsCodec::decodeFlags(randomText(rng, 30), r);
        const auto window = SettingsCodec::decodeLong(randomText(rng, 30), r);
        SettingsCodec::decodeShort(randomText(rng, 30), r);
        expectInRange(r);
        if (window) {
            const auto p = SettingsCodec::placeOnDesktop(*window, 1920, 1080);
            EXPECT_TRUE(p.top >= 0 && p.top <= 1080 && p.left >= 0 && p.left <= 1920);
        }
        if (HasFailure()) FAIL() << "input " << i;
    }
}

TEST(SettingsFuzz, EveryValidRecordSurvivesEncoding) {
    std::mt19937 rng(7);
    auto in = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    for (int i = 0; i < 20000; ++i) {
        SettingsRecord r;
        SettingsCodec::decodeFlags(randomText(rng, 12), r);
        r.FTimerInterval = static_cast<std::uint32_t>(in(100, 1000));
        r.FAlarmRepeat = static_cast<std::uint32_t>(in(0, 999));
        r.FBlendValue = in(0, 255);
        r.FAnnounceInterval = in(1, 60);
        r.FAlarmHour = in(0, 23);
        r.FAlarmMinute = in(0, 59);
        r.FSmallMode = in(0, 1);
        r.FAlarmSound = in(0, 6);
        r.FSpeechVolume = in(10, 65);
        r.FReservedVolume = in(10, 65);
        const WindowPosition window{in(-999, 9999), in(-999, 9999)};
        SettingsRecord back;
        SettingsCodec::decodeFlags(SettingsCodec::encodeFlags(r), back);
        const auto decoded = SettingsCodec::decodeLong(SettingsCodec::encodeLong(r, window), back);
        SettingsCodec::decodeShort(SettingsCodec::encodeShort(r), back);
        ASSERT_TRUE(decoded);
        ASSERT_EQ(decoded->top, window.top);
        ASSERT_EQ(decoded->left, window.left);
        ASSERT_EQ(SettingsCodec::encodeFlags(back), SettingsCodec::encodeFlags(r));
        ASSERT_EQ(SettingsCodec::encodeShort(back), SettingsCodec::encodeShort(r));
        ASSERT_EQ(SettingsCodec::encodeLong(back, window), SettingsCodec::encodeLong(r, window));
    }
}

} // namespace
} // namespace ql
