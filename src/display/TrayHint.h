#pragma once

#include <QLocale>
#include <QString>

class QDateTime;

namespace ql {

// "Time: <long time>   Date: <short date>" in the user's formats, without a time-zone name.
class TrayHint {
public:
    explicit TrayHint(const QLocale& locale = QLocale::system());
    QString text(const QDateTime& now) const;

private:
    QLocale locale_;
    QString timeFormat_;
    QString dateFormat_;
};

} // namespace ql
