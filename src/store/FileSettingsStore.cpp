// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileSettingsStore.h"

#include "common/UserFolders.h"
#include "store/AtomicFile.h"
#include "store/FileLock.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace ql {

namespace fs = std::filesystem;

namespace {

// Peers hold the lock for one small rewrite; waiting longer means something is wrong.
constexpr std::chrono::milliseconds kLockTimeout{5000};

struct FileText {
    enum class State { Present, Missing, Failed } state = State::Failed;
    std::string data;
    bool truncated = false;
    std::string error;
};

fs::path directoryOf(const fs::path& file) {
    return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

fs::path withSuffix(const fs::path& file, const std::string& suffix) {
    return fs::path(file.string() + suffix);
}

std::string describe(const std::string& what, int err) {
    return what + ": " + std::strerror(err);
}

bool readAll(int fd, std::size_t limit, FileText& out) {
    std::vector<char> chunk(64 * 1024);
    while (out.data.size() <= limit) {
        const std::size_t want = std::min(chunk.size(), limit + 1 - out.data.size());
        const ssize_t n = ::read(fd, chunk.data(), want);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) return true;
        out.data.append(chunk.data(), static_cast<std::size_t>(n));
    }
    return true;
}

// Reads at most `limit` bytes. Anything but a regular file is refused, so a FIFO or a device
// put in the file's place cannot block or flood the reader.
FileText readLimited(const fs::path& file, std::size_t limit) {
    FileText out;
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        // ENOTDIR: a file stands where a folder of the path should be, so there is no store.
        if (errno == ENOENT || errno == ENOTDIR) out.state = FileText::State::Missing;
        out.error = describe("cannot read " + file.string(), errno);
        return out;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        out.error = file.string() + " is not a regular file";
    else if (!readAll(fd, limit, out))
        out.error = describe("cannot read " + file.string(), errno);
    else
        out.state = FileText::State::Present;
    ::close(fd);
    if (out.data.size() > limit) {
        out.truncated = true;
        out.data.resize(limit);
    }
    return out;
}

// A hard link keeps the original bytes, even beyond the read limit, without copying them.
enum class Kept { Yes, Taken, Failed };
Kept keepAs(const fs::path& file, const fs::path& copy, std::string& error) {
    if (::link(file.c_str(), copy.c_str()) == 0) return Kept::Yes;
    if (errno == EEXIST) return Kept::Taken;
    std::error_code ec; // a filesystem without hard links: copy instead
    if (fs::copy_file(file, copy, ec)) return Kept::Yes;
    if (ec == std::errc::file_exists) return Kept::Taken;
    error = "cannot keep a copy of " + file.string() + ": " + ec.message();
    return Kept::Failed;
}

// A file the user made read-only is meant to stay as it is, though the rename that replaces it
// would not ask. The owner's mode bit decides, for root too; for anyone else, access().
bool userMayReplace(const fs::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return true; // missing: it is created
    if (st.st_uid == ::geteuid()) return (st.st_mode & S_IWUSR) != 0;
    return ::access(file.c_str(), W_OK) == 0;
}

} // namespace

FileSettingsStore::FileSettingsStore() : FileSettingsStore(defaultPath()) {}

FileSettingsStore::FileSettingsStore(fs::path file) : file_(std::move(file)) {}

fs::path FileSettingsStore::defaultPath() {
    const fs::path base = configHome();
    return base.empty() ? base : base / "vessantry" / "user.reg";
}

FileSettingsStore::Snapshot FileSettingsStore::load() const {
    Snapshot snapshot;
    if (file_.empty()) {
        snapshot.error = "no home folder to keep settings in";
        return snapshot;
    }
    FileText text = readLimited(file_, kReadLimit);
    if (text.state == FileText::State::Failed) {
        snapshot.error = std::move(text.error);
        return snapshot;
    }
    snapshot.readable = true;
    if (text.truncated) // the cut line and everything after it are lost
        text.data.resize(text.data.rfind('\n') + 1);
    snapshot.parsed = RegistryFile::parse(text.data);
    auto& parsed = snapshot.parsed;
    if (text.truncated && parsed.lostLines++ == 0)
        parsed.firstLostLine = static_cast<std::size_t>(std::ranges::count(text.data, '\n')) + 1;
    return snapshot;
}

RegistryTree FileSettingsStore::current() {
    try {
        Snapshot snapshot = load();
        if (snapshot.readable) return std::move(snapshot.parsed.tree);
        if (!readFailureReported_)
            std::fprintf(stderr, "quorlan-lite: settings cannot be read: %s\n",
                         snapshot.error.c_str());
        readFailureReported_ = true;
    } catch (const std::exception&) {
        // Out of memory: read as empty rather than stop the clock.
    }
    return {};
}

bool FileSettingsStore::writeFailed(const std::string& reason) {
    if (!writeFailureReported_)
        std::fprintf(stderr, "quorlan-lite: settings cannot be saved: %s\n", reason.c_str());
    writeFailureReported_ = true;
    return false;
}

// Changes that would change nothing are answered without locking or writing, so an unwritable
// store still accepts them, as it would on a real registry.
bool FileSettingsStore::modify(const Change& change) {
    try {
        const Snapshot before = load();
        RegistryTree probe = before.parsed.tree;
        if (!change(probe)) return false;
        if (before.readable && probe == before.parsed.tree) return true;
        if (file_.empty()) return writeFailed(before.error);
        std::string error;
        if (!makePrivateFolders(directoryOf(file_), error)) return writeFailed(error);
        const FileLock lock(withSuffix(file_, ".lock"), kLockTimeout);
        if (!lock.locked()) return writeFailed(lock.error());
        return modifyLocked(change);
    } catch (const std::exception& e) {
        return writeFailed(e.what());
    }
}

// Re-reads inside the lock, so a peer's change made since our last read is kept.
bool FileSettingsStore::modifyLocked(const Change& change) {
    const Snapshot snapshot = load();
    if (!snapshot.readable) return writeFailed(snapshot.error);
    RegistryTree tree = snapshot.parsed.tree;
    change(tree);
    if (tree == snapshot.parsed.tree) return true;
    if (!userMayReplace(file_)) return writeFailed(file_.string() + " is read-only");
    return replaceFile(tree, snapshot.parsed);
}

bool FileSettingsStore::replaceFile(const RegistryTree& tree, const RegistryFile::Parsed& old) {
    AtomicFile::removeLeftovers(file_);
    AtomicFile out(file_);
    if (!out.write(RegistryFile::serialise(tree))) return writeFailed(out.error());
    if (old.lostLines > 0 && !keepDamagedOriginal(old)) return false;
    return out.commit() || writeFailed(out.error());
}

bool FileSettingsStore::keepDamagedOriginal(const RegistryFile::Parsed& old) {
    std::string error;
    for (int i = 0; i < kCorruptCopies; ++i) {
        const fs::path copy =
            withSuffix(file_, i == 0 ? ".corrupt" : ".corrupt." + std::to_string(i));
        switch (keepAs(file_, copy, error)) {
        case Kept::Yes:
            std::fprintf(stderr,
                         "quorlan-lite: %zu unreadable line(s) in %s (first: line %zu) were "
                         "dropped; the original is kept as %s\n",
                         old.lostLines, file_.c_str(), old.firstLostLine, copy.c_str());
            return true;
        case Kept::Taken:
            continue;
        case Kept::Failed:
            return writeFailed(error);
        }
    }
    // Still save the settings: the earlier copies are there for anyone investigating.
    std::fprintf(stderr,
                 "quorlan-lite: %zu unreadable line(s) in %s (first: line %zu) were dropped; no "
                 "copy kept, %d copies exist already\n",
                 old.lostLines, file_.c_str(), old.firstLostLine, kCorruptCopies);
    return true;
}

bool FileSettingsStore::keyExists(const std::string& key) {
    return current().keyExists(key);
}

bool FileSettingsStore::createKey(const std::string& key) {
    return modify([&](RegistryTree& tree) { return tree.createKey(key); });
}

bool FileSettingsStore::valueExists(const std::string& key, const std::string& name) {
    return current().valueExists(key, name);
}

std::optional<std::string> FileSettingsStore::readValue(const std::string& key,
                                                        const std::string& name) {
    return current().value(key, name);
}

bool FileSettingsStore::writeValues(const std::string& key, const Values& values) {
    return modify([&](RegistryTree& tree) { return tree.setValues(key, values); });
}

bool FileSettingsStore::deleteValue(const std::string& key, const std::string& name) {
    return modify([&](RegistryTree& tree) {
        tree.deleteValue(key, name);
        return true;
    });
}

bool FileSettingsStore::deleteKey(const std::string& key) {
    return modify([&](RegistryTree& tree) { return tree.deleteKey(key); });
}

} // namespace ql
