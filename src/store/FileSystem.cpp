// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace ql::FileSystem {
namespace {

MoveResult fromErrno(int error) {
    return error == EEXIST ? MoveResult::TargetExists : MoveResult::Failed;
}

// The copy lands under the final name only through link(), which refuses an existing target too.
MoveResult copyThenRemove(const std::string& from, const std::string& to) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::symlink_status(to, ec).type() != fs::file_type::not_found)
        return MoveResult::TargetExists;
    const std::string temp = to + ".part";
    if (!fs::copy_file(from, temp, fs::copy_options::none, ec)) return MoveResult::Failed;
    const int linked = ::link(temp.c_str(), to.c_str());
    const int error = errno;
    ::unlink(temp.c_str());
    if (linked != 0) return fromErrno(error);
    ::unlink(from.c_str());
    return MoveResult::Moved;
}

} // namespace

MoveResult moveNoReplace(const std::string& from, const std::string& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return MoveResult::Moved;
    const int error = errno;
    if (error == EXDEV) return copyThenRemove(from, to);
    if (error != EINVAL && error != ENOSYS) return fromErrno(error);
    // File systems without RENAME_NOREPLACE: a hard link fails when the target exists.
    if (::link(from.c_str(), to.c_str()) != 0) {
        const int linkError = errno;
        return linkError == EXDEV ? copyThenRemove(from, to) : fromErrno(linkError);
    }
    ::unlink(from.c_str());
    return MoveResult::Moved;
}

} // namespace ql::FileSystem
