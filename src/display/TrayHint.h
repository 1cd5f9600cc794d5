#pragma once

#include <QLocale>
#include <QString>

class QDateTime;

namespace ql {

// "Time: <long time>   Date: <short date>" in the user's formats, without a time-zone name.
class TrayHint {
  public:
    static constexpr int kMaxLength = 127; // what a tray tooltip has always shown at most

    explicit TrayHint(const QLocale& locale = QLocale::system());
    QString text(const QDateTime& now) const;
    QString timeFormat() const { return timeFormat_; }

  private:
    QLocale locale_;
    QString timeFormat_;
    QString dateFormat_;
};

} // namespace ql
