// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/TrayHint.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace ql {
namespace {

const QDateTime kAfternoon(QDate(2026, 12, 6), QTime(14, 5, 9));
const QDateTime kMorning(QDate(2026, 3, 1), QTime(7, 2, 3));

// Over D-Bus the hint leaves out the seconds, with their separator, and nothing else.
TEST(TrayHint, UsesTheLocalesLongTimeAndShortDateWithoutAZone) {
    constexpr auto kMinutes = TrayHint::Precision::Minutes;
    struct {
        const char* locale;
        QDateTime when;
        const char* hint;
        TrayHint::Precision precision = TrayHint::Precision::Seconds;
    } const cases[] = {
        {"de_DE", kAfternoon, "Time: 14:05:09   Date: 06.12.26"},
        {"en_US", kAfternoon, "Time: 2:05:09 PM   Date: 12/6/26"},
        {"en_GB", kMorning, "Time: 07:02:03   Date: 01/03/2026"},
        {"fi_FI", kMorning, "Time: 7.02.03   Date: 1.3.2026"},
        {"es_ES", kMorning, "Time: 7:02:03   Date: 1/3/26"},       // "(t)" in the format
        {"zh_CN", kAfternoon, "Time: 14:05:09   Date: 2026/12/6"}, // zone in front
        {"de_DE", kAfternoon, "Time: 14:05   Date: 06.12.26", kMinutes},
        {"en_US", kAfternoon, "Time: 2:05 PM   Date: 12/6/26", kMinutes},
        {"fi_FI", kMorning, "Time: 7.02   Date: 1.3.2026", kMinutes},
        {"es_ES", kMorning, "Time: 7:02   Date: 1/3/26", kMinutes},
        {"bg_BG", kAfternoon, "Time: 14:05 ч.   Date: 6.12.26 г.", kMinutes}, // quoted letters stay
    };
    for (const auto& c : cases)
        EXPECT_EQ(TrayHint(QLocale(c.locale), c.precision).text(c.when), QString::fromUtf8(c.hint))
            << c.locale;
}

TEST(TrayHint, QuotedLettersOfTheFormatSurvive) {
    const TrayHint bulgarian{QLocale("bg_BG")};
    EXPECT_EQ(bulgarian.timeFormat(), QString::fromUtf8("H:mm:ss 'ч'."));
    EXPECT_TRUE(bulgarian.text(kAfternoon).startsWith(QString::fromUtf8("Time: 14:05:09 ч.   ")));
}

TEST(TrayHint, NeverLongerThanTheTrayShows) {
    for (const char* name : {"de_DE", "th_TH", "my_MM", "ko_KR", "ar_EG"}) {
        const QString hint = TrayHint(QLocale(name)).text(kAfternoon);
        EXPECT_LE(hint.size(), TrayHint::kMaxLength) << name;
        EXPECT_TRUE(hint.startsWith("Time: ")) << name;
        EXPECT_TRUE(hint.contains("   Date: ")) << name;
        EXPECT_FALSE(hint.back().isHighSurrogate()) << name;
    }
}

// One hint object lives as long as the clock: the date it shows must follow the clock over
// midnight, a month's end and a jump back.
TEST(TrayHint, OneHintFollowsTheDateFromCallToCall) {
    const TrayHint hint{QLocale("de_DE")};
    const struct {
        QDate date;
        QTime time;
        const char* text;
    } steps[] = {
        {QDate(2026, 12, 6), QTime(23, 59, 59), "Time: 23:59:59   Date: 06.12.26"},
        {QDate(2026, 12, 7), QTime(0, 0, 0), "Time: 00:00:00   Date: 07.12.26"},
        {QDate(2026, 12, 7), QTime(0, 0, 1), "Time: 00:00:01   Date: 07.12.26"},
        {QDate(2027, 1, 7), QTime(0, 0, 1), "Time: 00:00:01   Date: 07.01.27"},
        {QDate(2026, 12, 6), QTime(12, 0, 0), "Time: 12:00:00   Date: 06.12.26"},
    };
    for (const auto& s : steps)
        EXPECT_EQ(hint.text(s.date, s.time), QString::fromUtf8(s.text)) << s.text;
}

} // namespace
} // namespace ql
