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

constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_MOVED_TO | IN_DELETE | IN_MOVED_FROM;
// Following the link: its target's content, and its target being replaced (link count).
constexpr std::uint32_t kFileEvents =
    IN_CLOSE_WRITE | IN_MODIFY | IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF;

} // namespace

TimeZoneWatcher::TimeZoneWatcher(std::string link, QObject* parent)
    : QObject(parent), link_(std::move(link)),
      linkName_(std::filesystem::path(link_).filename().string()) {
    settle_.setSingleShot(true);
    settle_.setInterval(kSettleMs);
    connect(&settle_, &QTimer::timeout, this, [this] {
        watchZoneFile(); // a re-link points at another file
        emit changed();
    });
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) return; // the zone read at start stays: no polling instead
    const std::string folder = std::filesystem::path(link_).parent_path().string();
    folderWatch_ = ::inotify_add_watch(fd_, folder.c_str(), kFolderEvents | IN_ONLYDIR);
    watchZoneFile();
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TimeZoneWatcher::readEvents);
}

TimeZoneWatcher::~TimeZoneWatcher() {
    delete notifier_; // before its descriptor goes
    if (fd_ >= 0) ::close(fd_);
}

void TimeZoneWatcher::watchZoneFile() {
    if (fd_ < 0) return;
    if (fileWatch_ >= 0) ::inotify_rm_watch(fd_, fileWatch_);
    // A missing link is no error: the folder's watch sees it created.
    fileWatch_ = ::inotify_add_watch(fd_, link_.c_str(), kFileEvents);
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
            if (!(event->mask & IN_IGNORED) &&
                concernsZone(event->wd, event->len ? event->name : nullptr))
                relevant = true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    if (relevant) settle_.start();
}

bool TimeZoneWatcher::concernsZone(int wd, const char* name) const {
    if (wd == fileWatch_) return true;
    return wd == folderWatch_ && name && linkName_ == name;
}

} // namespace ql
