// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/TimeZoneWatcher.h"

#include <QSocketNotifier>

#include <cerrno>
#include <cstdint>
#include <filesystem>

#include <sys/inotify.h>
#include <unistd.h>

namespace ql {
namespace {

// The C library notices a zone file rewritten in place only by its modification time, in
// whole seconds: re-reading a second after the last change cannot meet a later write in the
// same second.
constexpr int kSettleMs = 1100;

// The link itself: replaced (its link count drops), moved or deleted.
constexpr std::uint32_t kLinkEvents = IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_DONT_FOLLOW;
// The zone file it leads to: rewritten, or replaced in its turn.
constexpr std::uint32_t kFileEvents =
    IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_MASK_ADD;
constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_MOVED_TO | IN_ONLYDIR;

} // namespace

TimeZoneWatcher::TimeZoneWatcher(std::string link, QObject* parent)
    : QObject(parent), link_(std::move(link)),
      folder_(std::filesystem::path(link_).parent_path().string()),
      linkName_(std::filesystem::path(link_).filename().string()) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        watch(); // a new link leads to another file
        emit changed();
    });
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return; // the zone read at start stays: no polling instead
    watch();
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TimeZoneWatcher::readEvents);
}

TimeZoneWatcher::~TimeZoneWatcher() {
    delete notifier_; // before its descriptor goes
    if (fd_ >= 0) ::close(fd_);
}

void TimeZoneWatcher::watch() {
    if (fd_ < 0) return;
    for (int* wd : {&linkWatch_, &fileWatch_, &folderWatch_}) {
        if (*wd >= 0) ::inotify_rm_watch(fd_, *wd);
        *wd = -1;
    }
    // Where the link is a plain file, both watches are one, with both sets of events.
    linkWatch_ = ::inotify_add_watch(fd_, link_.c_str(), kLinkEvents);
    fileWatch_ = ::inotify_add_watch(fd_, link_.c_str(), kFileEvents);
    // The folder only while there is no link to watch: a busy /etc would wake the clock often.
    if (linkWatch_ < 0) folderWatch_ = ::inotify_add_watch(fd_, folder_.c_str(), kFolderEvents);
}

void TimeZoneWatcher::readEvents() {
    alignas(inotify_event) char buffer[4096];
    bool relevant = false;
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        for (ssize_t at = 0; at < n;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            relevant = relevant || concernsZone(*event);
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (relevant) settle_.start();
}

bool TimeZoneWatcher::concernsZone(const inotify_event& event) const {
    if (event.mask & IN_Q_OVERFLOW) return true; // events were lost: look again to be sure
    if (event.mask & IN_IGNORED) return false;   // a watch we removed
    if (event.wd == linkWatch_ || event.wd == fileWatch_) return true;
    return event.wd == folderWatch_ && event.len && linkName_ == event.name;
}

} // namespace ql
