#include "display/TrayHint.h"

#include <QDateTime>
#include <QRegularExpression>

namespace ql {

TrayHint::TrayHint(const QLocale& locale)
    : locale_(locale), timeFormat_(locale.timeFormat(QLocale::LongFormat)),
      dateFormat_(locale.dateFormat(QLocale::ShortFormat)) {
    // Drop the time-zone field and the blank before it, outside quoted text.
    static const QRegularExpression zone(R"(\s*\bt+\b(?=(?:[^']*'[^']*')*[^']*$))");
    timeFormat_.remove(zone);
    timeFormat_ = timeFormat_.trimmed();
}

QString TrayHint::text(const QDateTime& now) const {
    const QString hint = "Time: " + locale_.toString(now.time(), timeFormat_) +
                         "   Date: " + locale_.toString(now.date(), dateFormat_);
    return hint.left(127);
}

} // namespace ql
