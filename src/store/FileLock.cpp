// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileLock.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql {

FileLock::FileLock(const std::filesystem::path& path, std::chrono::milliseconds timeout) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOCTTY, 0600);
    if (fd < 0) {
        error_ = "cannot open " + path.string() + ": " + std::strerror(errno);
        return;
    }
    ::fchmod(fd, 0600); // whatever the umask, peers must be able to open it for writing
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    auto pause = std::chrono::microseconds(100);
    for (;;) {
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            fd_ = fd;
            return;
        }
        const int err = errno;
        if (err == EINTR) continue;
        if (err != EWOULDBLOCK)
            error_ = "cannot lock " + path.string() + ": " + std::strerror(err);
        else if (std::chrono::steady_clock::now() >= deadline)
            error_ = path.string() + " stays locked by another program";
        if (!error_.empty()) break;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(1000));
    }
    ::close(fd);
}

FileLock::~FileLock() {
    if (fd_ >= 0) ::close(fd_); // closing releases the lock
}

} // namespace ql
