// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/FileSettingsStore.h"
#include "platform/linux/XdgAutostart.h"
#include "store/FileLock.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <set>
#include <string>

#include <fcntl.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace ql {
namespace {

namespace fs = std::filesystem;
using test::readFile;
using test::writeFile;

const std::string kLite = "Software\\Vessantry\\Quorlan Lite";
const std::string kHead = std::string(RegistryFile::kHeader) + "\n";

unsigned modeOf(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

std::set<std::string> listing(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

int countOf(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1))
        ++n;
    return n;
}

// Runs `body` in a forked child with stderr sent to a file. The child reports failed checks
// as text, so the parent can show them.
struct ChildReport {
    bool exited = false;
    std::string failures;
    std::string stderrText;
};

class Checks {
  public:
    void expect(bool ok, const char* what) {
        if (!ok) failures += std::string(what) + "\n";
    }
    std::string failures;
};

template <typename Body> ChildReport inChild(const fs::path& scratch, Body body) {
    const fs::path errPath = scratch / "child.stderr", reportPath = scratch / "child.report";
    std::fflush(stderr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Opened before the body may drop privileges.
        const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int report = ::open(reportPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(err, 2);
        Checks checks;
        body(checks);
        std::fflush(stderr);
        const bool written = ::write(report, checks.failures.data(), checks.failures.size()) ==
                             static_cast<ssize_t>(checks.failures.size());
        ::_exit(written ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    return {WIFEXITED(status) && WEXITSTATUS(status) == 0, readFile(reportPath), readFile(errPath)};
}

class FileSettingsStoreTest : public ::testing::Test {
  protected:
    test::TempDir dir;
    fs::path folder = dir.path() / "vessantry";
    fs::path file = folder / "user.reg";
    fs::path corrupt = folder / "user.reg.corrupt";

    void makeFolder() { ASSERT_EQ(::mkdir(folder.c_str(), 0700), 0); }
};

TEST_F(FileSettingsStoreTest, CreatesAPrivateFolderAndFileWhateverTheUmask) {
    const mode_t oldMask = ::umask(0277);
    FileSettingsStore store(file);
    const bool written = store.writeValues(kLite, {{"BinSettings", "010000100000"}});
    ::umask(oldMask);
    ASSERT_TRUE(written);
    EXPECT_EQ(modeOf(folder), 0700u);
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_EQ(readFile(file), kHead + "[" + kLite + "]\n\"BinSettings\"=\"010000100000\"\n");

    ::chmod(file.c_str(), 0644); // loosened by hand: the next write tightens it again
    ASSERT_TRUE(store.writeValues(kLite, {{"SelLang", "2"}}));
    EXPECT_EQ(modeOf(file), 0600u);
    EXPECT_EQ(listing(folder), (std::set<std::string>{"user.reg", "user.reg.lock"}));
}

TEST_F(FileSettingsStoreTest, EveryStoreObjectSeesTheOthersChanges) {
    FileSettingsStore first(file), second(file);
    ASSERT_TRUE(first.writeValues(kLite, {{"a", "1"}}));
    EXPECT_EQ(second.readValue(kLite, "A"), "1");
    ASSERT_TRUE(second.writeValues(kLite, {{"b", "2"}}));
    EXPECT_EQ(first.readValue(kLite, "a"), "1");
    EXPECT_EQ(first.readValue(kLite, "b"), "2");
    ASSERT_TRUE(second.deleteKey("Software"));
    EXPECT_FALSE(first.keyExists(kLite));
}

TEST_F(FileSettingsStoreTest, ChangesThatChangeNothingLeaveTheFileAlone) {
    FileSettingsStore store(file);
    ASSERT_TRUE(store.writeValues(kLite, {{"CurrentVer", "2.6"}}));
    struct stat before {};
    ASSERT_EQ(::stat(file.c_str(), &before), 0);
    EXPECT_TRUE(store.createKey(kLite));
    EXPECT_TRUE(store.createKey("software"));
    EXPECT_TRUE(store.writeValues("\\" + kLite, {{"currentver", "2.6"}}));
    EXPECT_TRUE(store.deleteValue(kLite, "Missing"));
    EXPECT_TRUE(store.deleteKey("Software\\Vessantry\\Quorlan"));
    struct stat after {};
    ASSERT_EQ(::stat(file.c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino); // never replaced
}

TEST_F(FileSettingsStoreTest, DamagedFileIsKeptOnceBeforeItIsRewritten) {
    makeFolder();
    const std::string damaged = kHead + "[K]\n\"a\"=\"1\"\nnot a value\n";
    writeFile(file, damaged);
    FileSettingsStore store(file);
    EXPECT_EQ(store.readValue("K", "a"), "1");
    EXPECT_FALSE(fs::exists(corrupt)); // reading alone keeps the file as it is

    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(store.writeValues("K", {{"b", "2"}}));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(readFile(corrupt), damaged);
    EXPECT_EQ(countOf(said, "\n"), 1) << said;
    EXPECT_NE(said.find(corrupt.string()), std::string::npos) << said;
    const auto rewritten = RegistryFile::parse(readFile(file));
    EXPECT_EQ(rewritten.lostLines, 0u);
    EXPECT_EQ(rewritten.tree.value("K", "a"), "1");
    EXPECT_EQ(rewritten.tree.value("K", "b"), "2");

    ASSERT_TRUE(store.writeValues("K", {{"c", "3"}})); // clean now: no second copy
    EXPECT_FALSE(fs::exists(folder / "user.reg.corrupt.1"));

    const std::string damagedAgain = kHead + "[K]\n\"a\"=\"1\n";
    writeFile(file, damagedAgain);
    ASSERT_TRUE(store.writeValues("K", {{"d", "4"}}));
    EXPECT_EQ(readFile(corrupt), damaged); // never overwritten
    EXPECT_EQ(readFile(folder / "user.reg.corrupt.1"), damagedAgain);
}

TEST_F(FileSettingsStoreTest, SettingsAreStillSavedWhenEveryCopyNameIsTaken) {
    makeFolder();
    std::vector<fs::path> copies;
    for (int i = 0; i < FileSettingsStore::kCorruptCopies; ++i) {
        copies.push_back(folder / ("user.reg.corrupt" + (i ? "." + std::to_string(i) : "")));
        writeFile(copies.back(), "copy " + std::to_string(i));
    }
    writeFile(file, kHead + "[K]\ngarbage\n");
    FileSettingsStore store(file);
    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(store.writeValues("K", {{"a", "1"}}));
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("no copy kept"), std::string::npos) << said;
    for (int i = 0; i < FileSettingsStore::kCorruptCopies; ++i)
        EXPECT_EQ(readFile(copies[i]), "copy " + std::to_string(i));
    EXPECT_EQ(RegistryFile::parse(readFile(file)).lostLines, 0u);
}

TEST_F(FileSettingsStoreTest, OversizedFileIsReadUpToTheLimitAndKeptWhole) {
    makeFolder();
    const std::string content = kHead + "[K]\n\"a\"=\"1\"\n" +
                                std::string(FileSettingsStore::kReadLimit, 'x') +
                                "\n[K]\n\"b\"=\"2\"\n";
    writeFile(file, content);
    FileSettingsStore store(file);
    EXPECT_EQ(store.readValue("K", "a"), "1");
    EXPECT_FALSE(store.valueExists("K", "b")); // beyond the limit

    ::testing::internal::CaptureStderr();
    ASSERT_TRUE(store.writeValues("K", {{"c", "3"}}));
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(fs::file_size(corrupt), content.size());
    const auto rewritten = RegistryFile::parse(readFile(file));
    EXPECT_EQ(rewritten.lostLines, 0u);
    EXPECT_EQ(RegistryFile::serialise(rewritten.tree), kHead + "[K]\n\"a\"=\"1\"\n\"c\"=\"3\"\n");
}

TEST_F(FileSettingsStoreTest, SomethingOtherThanAFileIsNeitherReadNorReplaced) {
    makeFolder();
    ASSERT_EQ(::mkfifo(file.c_str(), 0600), 0); // opening it for reading would block
    FileSettingsStore store(file);
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(store.readValue(kLite, "a"), std::nullopt);
    EXPECT_FALSE(store.keyExists(kLite));
    EXPECT_FALSE(store.writeValues(kLite, {{"a", "1"}}));
    EXPECT_FALSE(store.deleteKey(kLite)); // it cannot tell whether the key is there
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(countOf(said, "cannot be read"), 1) << said;
    EXPECT_EQ(countOf(said, "cannot be saved"), 1) << said;
    EXPECT_TRUE(fs::is_fifo(file));
}

TEST_F(FileSettingsStoreTest, UnusableLocationFailsWithOneMessage) {
    writeFile(dir.path() / "blocker", "a file where a folder should be");
    FileSettingsStore store(dir.path() / "blocker" / "vessantry" / "user.reg");
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(store.writeValues(kLite, {{"a", "1"}}));
    EXPECT_FALSE(store.writeValues(kLite, {{"a", "1"}}));
    EXPECT_FALSE(store.createKey(kLite));
    EXPECT_FALSE(store.keyExists(kLite));
    EXPECT_EQ(store.readValue(kLite, "a"), std::nullopt);
    EXPECT_TRUE(store.deleteKey(kLite)); // nothing to delete
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(countOf(said, "\n"), 1) << said;
    EXPECT_NE(said.find("cannot be saved"), std::string::npos) << said;
}

TEST_F(FileSettingsStoreTest, ReadOnlyFolderRefusesWritesAndKeepsReading) {
    FileSettingsStore(file).writeValues(kLite, {{"a", "1"}});
    const std::string before = readFile(file);
    ::chmod(dir.path().c_str(), 0755);
    ::chmod(file.c_str(), 0644);
    ::chmod(folder.c_str(), 0555);
    const ChildReport child = inChild(dir.path(), [&](Checks& check) {
        // Root writes anywhere: become an ordinary user first.
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return check.expect(false, "could not leave root");
        FileSettingsStore store(file);
        check.expect(store.readValue(kLite, "a") == "1", "reads still work");
        check.expect(!store.writeValues(kLite, {{"a", "2"}}), "a write is refused");
        check.expect(!store.writeValues(kLite, {{"b", "3"}}), "a second write is refused");
        check.expect(!store.deleteKey(kLite), "a deletion is refused");
        check.expect(store.deleteValue(kLite, "missing"), "a no-op still succeeds");
    });
    ASSERT_TRUE(child.exited);
    EXPECT_EQ(child.failures, "");
    EXPECT_EQ(countOf(child.stderrText, "cannot be saved"), 1) << child.stderrText;
    EXPECT_EQ(readFile(file), before);
}

TEST_F(FileSettingsStoreTest, FullDiskLeavesTheOldFileAndNoLeftovers) {
    FileSettingsStore(file).writeValues(kLite, {{"a", "1"}});
    const std::string before = readFile(file);
    const ChildReport child = inChild(dir.path(), [&](Checks& check) {
        // A file size limit makes write() fail as a full disk would.
        const rlimit limit{before.size() + 100, before.size() + 100};
        std::signal(SIGXFSZ, SIG_IGN);
        check.expect(::setrlimit(RLIMIT_FSIZE, &limit) == 0, "limit set");
        FileSettingsStore store(file);
        check.expect(!store.writeValues(kLite, {{"big", std::string(100000, 'x')}}),
                     "the write fails");
        check.expect(store.readValue(kLite, "a") == "1", "the old value is still there");
    });
    ASSERT_TRUE(child.exited);
    EXPECT_EQ(child.failures, "");
    EXPECT_EQ(countOf(child.stderrText, "cannot be saved"), 1) << child.stderrText;
    EXPECT_EQ(readFile(file), before);
    EXPECT_EQ(listing(folder), (std::set<std::string>{"user.reg", "user.reg.lock"}));
}

TEST_F(FileSettingsStoreTest, WriterKilledAtAnyMomentLeavesTheOldOrTheNewFile) {
    const std::string a(100000, 'a'), b(100000, 'b');
    ASSERT_TRUE(FileSettingsStore(file).writeValues(kLite, {{"Other", "keep"}, {"Big", a}}));
    RegistryTree withA, withB;
    withA.setValues(kLite, {{"Big", a}, {"Other", "keep"}});
    withB.setValues(kLite, {{"Big", b}, {"Other", "keep"}});

    // Kill within the first few writes, whatever a write costs in this build.
    FileSettingsStore timing(file);
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 4; ++i)
        timing.writeValues(kLite, {{"Big", i % 2 ? a : b}});
    const auto oneWrite = std::chrono::duration_cast<std::chrono::microseconds>(
                              std::chrono::steady_clock::now() - start) /
                          4;
    std::mt19937 rng(11);
    std::uniform_int_distribution<long> delayMicroseconds(0, 3 * oneWrite.count());
    int changes = 0;
    std::string previous = readFile(file);
    for (int round = 0; round < 60; ++round) {
        int started[2];
        ASSERT_EQ(::pipe(started), 0);
        const pid_t pid = ::fork();
        if (pid == 0) {
            FileSettingsStore store(file);
            if (::write(started[1], "!", 1) != 1) ::_exit(1);
            for (int i = 0;; ++i)
                store.writeValues(kLite, {{"Big", i % 2 ? a : b}});
        }
        // The delay counts from the start of the writing, however slow the fork was.
        char c;
        ASSERT_EQ(::read(started[0], &c, 1), 1);
        ::close(started[0]);
        ::close(started[1]);
        ::usleep(static_cast<useconds_t>(delayMicroseconds(rng)));
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        const std::string now = readFile(file);
        const auto parsed = RegistryFile::parse(now);
        ASSERT_EQ(parsed.lostLines, 0u) << "round " << round;
        ASSERT_TRUE(parsed.tree == withA || parsed.tree == withB) << "round " << round;
        changes += now != previous;
        previous = now;
    }
    EXPECT_GT(changes, 0); // the writers did get to replace the file

    ASSERT_TRUE(FileSettingsStore(file).writeValues(kLite, {{"Big", "done"}}));
    EXPECT_EQ(listing(folder), (std::set<std::string>{"user.reg", "user.reg.lock"}));
}

TEST_F(FileSettingsStoreTest, TwoWritersAtOnceKeepEachOthersValues) {
    constexpr int kWrites = 200;
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    pid_t writers[2];
    for (int w = 0; w < 2; ++w) {
        writers[w] = ::fork();
        if (writers[w] == 0) {
            ::close(gate[1]);
            char c;
            while (::read(gate[0], &c, 1) > 0) {
            }
            FileSettingsStore store(file);
            const std::string me = "Writer" + std::to_string(w);
            bool ok = true;
            for (int i = 0; i < kWrites; ++i) {
                ok = store.writeValues(kLite, {{me, std::to_string(i)}}) && ok;
                ok = store.writeValues("Shared\\" + me, {{"n", std::to_string(i)}}) && ok;
                ok = store.deleteKey("Shared\\" + me + "\\Gone") && ok;
            }
            ::_exit(ok ? 0 : 1);
        }
    }
    ::close(gate[0]);
    ::close(gate[1]); // both start now
    for (const pid_t pid : writers) {
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const auto parsed = RegistryFile::parse(readFile(file));
    EXPECT_EQ(parsed.lostLines, 0u);
    const std::string last = std::to_string(kWrites - 1);
    for (const char* me : {"Writer0", "Writer1"}) {
        EXPECT_EQ(parsed.tree.value(kLite, me), last) << me;
        EXPECT_EQ(parsed.tree.value(std::string("Shared\\") + me, "n"), last) << me;
    }
}

TEST(FileLock, WaitsOnlyAsLongAsItWasTold) {
    test::TempDir dir;
    const fs::path path = dir.path() / "x.lock";
    FileLock held(path, std::chrono::milliseconds(0));
    ASSERT_TRUE(held.locked());
    const FileLock blocked(path, std::chrono::milliseconds(30));
    EXPECT_FALSE(blocked.locked());
    EXPECT_NE(blocked.error().find("locked by another program"), std::string::npos);
}

class EnvironmentVariable {
  public:
    EnvironmentVariable(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvironmentVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

// The autostart entry lives beside the store, never in a shared folder when HOME is unset.
TEST(UserFolderLocation, FollowsTheXdgRules) {
    const passwd* user = ::getpwuid(::getuid());
    ASSERT_NE(user, nullptr);
    const std::string passwdHome = user->pw_dir;
    const struct {
        const char* config;
        const char* home;
        std::string expected;
    } rows[] = {
        {"/x/cfg", "/home/ann", "/x/cfg"},
        {"", "/home/ann", "/home/ann/.config"},
        {nullptr, "/home/ann", "/home/ann/.config"},
        {"relative/cfg", "/home/ann", "/home/ann/.config"},
        {nullptr, nullptr, passwdHome + "/.config"},
    };
    for (const auto& row : rows) {
        const EnvironmentVariable config("XDG_CONFIG_HOME", row.config);
        const EnvironmentVariable home("HOME", row.home);
        const std::string store = row.expected + "/vessantry/user.reg";
        EXPECT_EQ(FileSettingsStore::defaultPath(), store);
        EXPECT_EQ(FileSettingsStore().path(), store);
        EXPECT_EQ(XdgAutostart().entryFile(), row.expected + "/autostart/quorlan-lite.desktop");
    }
}

} // namespace
} // namespace ql
