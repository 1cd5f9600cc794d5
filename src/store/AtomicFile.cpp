// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/AtomicFile.h"

#include <cerrno>
#include <cstring>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql {

namespace {

std::string tempPrefix(const std::filesystem::path& target) {
    return target.filename().string() + ".tmp-";
}

std::filesystem::path directoryOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

bool writeAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

AtomicFile::AtomicFile(std::filesystem::path target) : target_(std::move(target)) {}

AtomicFile::~AtomicFile() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
}

bool AtomicFile::fail(const std::string& what, int err) {
    error_ = what + ": " + std::strerror(err);
    return false;
}

bool AtomicFile::write(std::string_view data) {
    std::string name = (directoryOf(target_) / tempPrefix(target_)).string() + "XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) return fail("cannot create a file beside " + target_.string(), errno);
    temp_ = name;
    // mkostemp already asks for 0600; fchmod makes it independent of the umask.
    const bool ok = ::fchmod(fd, 0600) == 0 && writeAll(fd, data) && ::fsync(fd) == 0;
    const int err = errno;
    if (::close(fd) != 0 && ok) return fail("cannot write " + name, errno);
    return ok || fail("cannot write " + name, err);
}

bool AtomicFile::commit() {
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        return fail("cannot replace " + target_.string(), errno);
    temp_.clear();
    // The new file is already visible to every reader; syncing the directory only hardens the
    // rename against power loss, and some filesystems refuse it, so its failure is not fatal.
    const int dir = ::open(directoryOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

void AtomicFile::removeLeftovers(const std::filesystem::path& target) {
    const std::string prefix = tempPrefix(target);
    std::error_code ec;
    std::error_code removeError;
    for (std::filesystem::directory_iterator it(directoryOf(target), ec), end; !ec && it != end;
         it.increment(ec)) {
        if (it->path().filename().string().starts_with(prefix))
            std::filesystem::remove(it->path(), removeError);
    }
}

} // namespace ql
