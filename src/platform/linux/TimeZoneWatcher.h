// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include <string>

class QSocketNotifier;
struct inotify_event;

namespace ql {

// Tells when the system's time zone may have changed: the zone link rewritten in place,
// replaced, re-linked, or the zone file it points to replaced. Uses inotify, so an unchanged
// zone costs no wake-ups.
class TimeZoneWatcher : public QObject {
    Q_OBJECT
  public:
    explicit TimeZoneWatcher(std::string link = "/etc/localtime", QObject* parent = nullptr);
    ~TimeZoneWatcher() override;
    TimeZoneWatcher(const TimeZoneWatcher&) = delete;
    TimeZoneWatcher& operator=(const TimeZoneWatcher&) = delete;

  signals:
    // Once the changes have settled.
    void changed();

  private:
    void watch();
    void readEvents();
    bool concernsZone(const inotify_event& event) const;

    std::string link_;
    std::string folder_;
    std::string linkName_;
    int fd_ = -1;
    int linkWatch_ = -1;
    int fileWatch_ = -1;
    int folderWatch_ = -1;
    QSocketNotifier* notifier_ = nullptr;
    QTimer settle_;
};

} // namespace ql
