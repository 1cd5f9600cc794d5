// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/FlockNamedLock.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace ql {

FlockNamedLock::~FlockNamedLock() {
    if (fd_ >= 0) close(fd_);
}

void FlockNamedLock::create(const std::string& name) {
    const char* dir = std::getenv("XDG_RUNTIME_DIR");
    if (!dir || !*dir) dir = std::getenv("TMPDIR");
    if (!dir || !*dir) dir = "/tmp";
    const std::string path = std::string(dir) + "/" + name + ".lock";
    if (fd_ >= 0) close(fd_);
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd_ >= 0) flock(fd_, LOCK_SH | LOCK_NB); // the result is deliberately ignored
}

} // namespace ql
