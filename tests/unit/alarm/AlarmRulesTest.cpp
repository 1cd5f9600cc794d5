// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarm/AlarmDays.h"
#include "alarm/AlarmHour.h"
#include "alarm/AlarmSound.h"
#include "alarm/NumberField.h"
#include "alarm/WaveList.h"
#include "fakes/FakeSoundPlayer.h"

#include <QFile>
#include <gtest/gtest.h>

namespace ql {
namespace {

using Kind = FakeSoundPlayer::Kind;

TEST(NumberField, ReadsWhatTheFieldsAccept) {
    struct Row {
        const char* text;
        bool valid;
        int value;
    } rows[] = {
        {"", false, 0},
        {"0", true, 0},
        {"7", true, 7},
        {"07", true, 7},
        {"59", true, 59},
        {"  12", true, 12},
        {"\t3", true, 3},
        {"12 ", false, 0},
        {"1 2", false, 0},
        {"+5", true, 5},
        {"-5", true, -5},
        {"+", false, 0},
        {"-", false, 0},
        {"--1", false, 0},
        {" -0", true, 0},
        {"a", false, 0},
        {"5a", false, 0},
        {"$1F", true, 31},
        {"x10", true, 16},
        {"X1f", true, 31},
        {"0x10", true, 16},
        {"0X0a", true, 10},
        {"-$10", true, -16},
        {"$", false, 0},
        {"x", false, 0},
        {"0x", false, 0},
        {"$G", false, 0},
        {"1.5", false, 0},
        {"1e3", false, 0},
        {"٣", false, 0},
        {"2147483647", true, 2147483647},
        {"2147483648", false, 0},
        {"-2147483648", true, -2147483647 - 1},
        {"99999999999999999999", false, 0},
    };
    for (const Row& r : rows) {
        const NumberField f = readNumberField(QString::fromUtf8(r.text));
        EXPECT_EQ(f.valid, r.valid) << '"' << r.text << '"';
        EXPECT_EQ(f.value, r.value) << '"' << r.text << '"';
    }
}

// 12 AM is midnight and 12 PM noon; 24-hour entry shows the hour itself.
TEST(AlarmHour, HoursAsTheHourFieldShowsThem) {
    struct Row {
        int hour;
        bool h24;
        int position;
        bool pm;
    } rows[] = {{0, false, 12, false}, {1, false, 1, false},  {11, false, 11, false},
                {12, false, 12, true}, {13, false, 1, true},  {23, false, 11, true},
                {0, true, 0, false},   {12, true, 12, false}, {23, true, 23, false}};
    for (const Row& r : rows) {
        const HourEntry e = hourToEntry(r.hour, r.h24);
        EXPECT_EQ(e.position, r.position) << r.hour << " h24=" << r.h24;
        EXPECT_EQ(e.pm, r.pm) << r.hour << " h24=" << r.h24;
        EXPECT_EQ(hourFromEntry(r.position, r.h24, r.pm), r.hour) << r.hour << " h24=" << r.h24;
    }
}

// December 2026; dayOfWeek 1 = Sunday ... 7 = Saturday, as the clock reads it.
LocalTime dec(int day, int dayOfWeek, int h, int m, int s = 0) {
    auto u = [](int v) { return static_cast<std::uint16_t>(v); };
    return {2026, 12, u(day), u(h), u(m), u(s), u(dayOfWeek)};
}
constexpr int kMon = 0x01, kWed = 0x04, kSat = 0x20, kWeekdays = 0x1F, kAll = 0x7F;

// The tick saw `before`, then `now`: was a whole 07:30 (or 00:00) minute on a ringing day
// skipped?
TEST(AlarmDays, AMinuteTheClockJumpedOverIsMissedOnlyOnARingingDay) {
    const LocalTime nye{2026, 12, 31, 23, 59, 0, 5}, newYear{2027, 1, 1, 8, 0, 0, 6};
    const LocalTime november{2026, 11, 1, 12, 0, 0, 1};
    struct Row {
        LocalTime before, now;
        int hour, days;
        bool missed;
    } rows[] = {
        {{}, dec(7, 2, 9, 0), 7, kAll, false},                       // the first reading
        {dec(7, 2, 7, 29, 59), dec(7, 2, 7, 30, 0), 7, kAll, false}, // seen
        {dec(7, 2, 7, 29, 59), dec(7, 2, 7, 31, 0), 7, kAll, true},
        {dec(7, 2, 7, 29, 30), dec(7, 2, 7, 30, 59), 7, kAll, false}, // landed in it
        {dec(7, 2, 7, 30, 0), dec(7, 2, 8, 0), 7, kAll, false},
        {dec(7, 2, 6, 0), dec(7, 2, 9, 0), 7, kWed, false},
        {dec(7, 2, 9, 0), dec(7, 2, 7, 0), 7, kAll, false}, // set back
        {dec(6, 1, 23, 0), dec(7, 2, 8, 0), 7, kMon, true},
        {dec(6, 1, 8, 0), dec(7, 2, 7, 0), 7, kAll, false},
        {dec(4, 6, 22, 0), dec(7, 2, 6, 0), 7, kSat, true}, // a weekend asleep
        {dec(4, 6, 22, 0), dec(7, 2, 6, 0), 7, kWeekdays, false},
        {dec(7, 2, 7, 31), dec(8, 3, 7, 31), 7, kAll, true}, // a whole day, same minute
        {dec(7, 2, 7, 31), dec(8, 3, 7, 31), 7, kMon, false},
        {nye, newYear, 7, kAll, true},
        {november, dec(7, 2, 8, 0), 7, kWed, true},
        {dec(6, 1, 23, 59, 59), dec(7, 2, 0, 1, 0), 0, kMon, true},
        {dec(6, 1, 23, 59, 59), dec(7, 2, 0, 0, 30), 0, kMon, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(alarmMinuteSkipped(r.before, r.now, r.hour, r.hour ? 30 : 0, r.days), r.missed)
            << r.before.day << ' ' << r.before.hour << ':' << r.before.minute << " -> " << r.now.day
            << ' ' << r.now.hour << ':' << r.now.minute << " days " << r.days;
}

const WaveList& builtInSounds() {
    static const WaveList list({"Yipe", "Lazer", "Whistle", "Fanfare"});
    return list;
}

QByteArray resource(const char* name) {
    QFile f(QString(":/sounds/%1.wav").arg(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(PlayAlarmSound, EachNumberStartsItsSound) {
    struct Row {
        int sound;
        std::vector<Kind> calls;
        const char* wave; // built-in resource expected for Memory
    } rows[] = {
        {0, {Kind::Beep}, nullptr},
        {1, {Kind::Memory}, "Yipe"},
        {2, {Kind::Memory}, "Lazer"},
        {3, {Kind::Memory}, "Whistle"},
        {4, {Kind::Memory}, "Fanfare"},
        {5, {Kind::File}, nullptr},
        {6, {}, nullptr},
        {-1, {}, nullptr},
        {100, {}, nullptr},
    };
    for (const Row& r : rows) {
        FakeSoundPlayer player;
        playAlarmSound(player, &builtInSounds(), r.sound, "/home/ann/gong.wav");
        std::vector<Kind> kinds;
        for (const auto& c : player.calls)
            kinds.push_back(c.kind);
        EXPECT_EQ(kinds, r.calls) << r.sound;
        if (r.wave && !player.calls.empty()) {
            ASSERT_TRUE(player.calls[0].wave) << r.sound;
            EXPECT_FALSE(player.calls[0].wave->isEmpty()) << r.sound;
            EXPECT_EQ(*player.calls[0].wave, resource(r.wave)) << r.sound;
        }
        if (r.sound == 5) {
            EXPECT_EQ(player.calls[0].path, "/home/ann/gong.wav");
        }
    }
}

TEST(PlayAlarmSound, BuiltInItemsWithoutDataAreSilent) {
    const WaveList partial({"Yipe", "NoSuchSound"});
    FakeSoundPlayer player;
    playAlarmSound(player, &partial, 2, {}); // item without data
    playAlarmSound(player, &partial, 3, {}); // beyond the list
    playAlarmSound(player, nullptr, 1, {});  // no list loaded at all
    EXPECT_TRUE(player.calls.empty());
    playAlarmSound(player, &partial, 1, {});
    EXPECT_EQ(player.count(Kind::Memory), 1u);
}

TEST(PlayAlarmSound, FileNamesReachThePlayerByteForByte) {
    const QString names[] = {
        "/tmp/with space/alarm clock.wav",
        "/tmp/it's \"quoted\".wav",
        "/tmp/Ünïcödé/日本語 ☎.wav",
        "relative.wav",
        "",
    };
    for (const QString& name : names) {
        FakeSoundPlayer player;
        playAlarmSound(player, nullptr, 5, name);
        ASSERT_EQ(player.calls.size(), 1u);
        EXPECT_EQ(player.calls[0].path, QFile::encodeName(name).toStdString());
        EXPECT_EQ(QFile::decodeName(player.calls[0].path.c_str()), name);
    }
}

} // namespace
} // namespace ql
