// SPDX-License-Identifier: GPL-3.0-or-later
#include "tray/TrayHint.h"

#include <QDateTime>

namespace ql {
namespace {

// Drops the time-zone field ('t' outside quoted text), the brackets some locales put round it
// ("H:mm:ss (t)") and the blanks it leaves behind.
QString withoutZone(const QString& format) {
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        out += c;
    }
    out.replace(QStringLiteral("()"), QString());
    return out.simplified();
}

// Drops the seconds field ('s' outside quoted text) with the separator before it.
QString withoutSeconds(const QString& format) {
    QString out;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (quoted || c != u's') {
            out += c;
            continue;
        }
        if (!out.isEmpty() && !out.back().isLetter() && !out.back().isSpace() &&
            out.back() != u'\'')
            out.chop(1);
    }
    return out.simplified();
}

} // namespace

TrayHint::TrayHint(const QLocale& locale, Precision precision)
    : locale_(locale), timeFormat_(withoutZone(locale.timeFormat(QLocale::LongFormat))),
      dateFormat_(locale.dateFormat(QLocale::ShortFormat)) {
    if (precision == Precision::Minutes) timeFormat_ = withoutSeconds(timeFormat_);
}

QString TrayHint::text(const QDateTime& now) const {
    return text(now.date(), now.time());
}

QString TrayHint::text(QDate date, QTime time) const {
    if (date != shownDate_ || datePart_.isNull()) {
        datePart_ = "   Date: " + locale_.toString(date, dateFormat_);
        shownDate_ = date;
    }
    QString hint = "Time: " + locale_.toString(time, timeFormat_) + datePart_;
    if (hint.size() <= kMaxLength) return hint;
    // Never end on half of a surrogate pair.
    hint.truncate(hint.at(kMaxLength - 1).isHighSurrogate() ? kMaxLength - 1 : kMaxLength);
    return hint;
}

} // namespace ql
