// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class QDateTime;
class QTime;

namespace ql {

// "Time: <long time>   Date: <short date>" in the user's formats, without a time-zone name.
class TrayHint {
  public:
    static constexpr int kMaxLength = 127; // what a tray tooltip has always shown at most
    // Without seconds the hint changes once a minute: over D-Bus every change wakes the panel.
    enum class Precision { Seconds, Minutes };

    explicit TrayHint(const QLocale& locale = QLocale::system(),
                      Precision precision = Precision::Seconds);
    QString text(const QDateTime& now) const;
    // Set every second: the date part is formatted again only when the date changes.
    QString text(QDate date, QTime time) const;
    QString timeFormat() const { return timeFormat_; }

  private:
    QLocale locale_;
    QString timeFormat_;
    QString dateFormat_;
    mutable QDate shownDate_;
    mutable QString datePart_;
};

} // namespace ql
