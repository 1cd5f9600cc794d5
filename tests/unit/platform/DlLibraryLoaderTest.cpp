// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/DlLibraryLoader.h"

#include "TempDir.h"

#include <QDir>

#include <gtest/gtest.h>

#include <functional>

namespace ql {
namespace {

using test::readFile;
using test::writeFile;

// ELF identification and header offsets, from the ELF format itself.
constexpr std::size_t ClassByte = 4, MachineOffset = 18;
constexpr char Class32 = 1;
constexpr std::uint16_t MachineX86_64 = 62, MachineAArch64 = 183;

std::string otherMachine(std::string image) {
    const auto own =
        static_cast<std::uint16_t>(static_cast<unsigned char>(image[MachineOffset]) |
                                   static_cast<unsigned char>(image[MachineOffset + 1]) << 8);
    const std::uint16_t other = own == MachineAArch64 ? MachineX86_64 : MachineAArch64;
    image[MachineOffset] = static_cast<char>(other & 0xff);
    image[MachineOffset + 1] = static_cast<char>(other >> 8);
    return image;
}

// A damaged plug-in must be refused before dlopen maps it: a copy cut inside a loadable segment
// used to kill the whole program with SIGBUS.
TEST(DlLibraryLoaderTest, RefusesFilesThatAreNotWholeLibrariesForThisMachine) {
    const std::string good = readFile(QL_TEST_PLUGIN_DIR "/RecordingVoice.so");
    ASSERT_GT(good.size(), 12288u);
    struct Row {
        const char* what;
        std::function<std::string(std::string)> damage;
        bool loads;
    } rows[] = {
        {"whole library", [](std::string s) { return s; }, true},
        {"empty file", [](std::string) { return std::string(); }, false},
        {"text file", [](std::string) { return std::string("Speak the time, please.\n"); }, false},
        {"cut inside the magic", [](std::string s) { return s.substr(0, 3); }, false},
        {"cut inside the header", [](std::string s) { return s.substr(0, 63); }, false},
        {"header only", [](std::string s) { return s.substr(0, 64); }, false},
        {"cut inside the program headers", [](std::string s) { return s.substr(0, 200); }, false},
        {"cut after the first page", [](std::string s) { return s.substr(0, 4096); }, false},
        {"cut after two pages", [](std::string s) { return s.substr(0, 8192); }, false},
        {"cut inside the data segment", [](std::string s) { return s.substr(0, 12288); }, false},
        {"other architecture", otherMachine, false},
        {"32-bit class", [](std::string s) { return s[ClassByte] = Class32, s; }, false},
    };
    test::TempDir dir;
    DlLibraryLoader dl;
    int n = 0;
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        // A fresh name each time: dlopen hands back an already loaded library by name.
        const std::string path = (dir.path() / ("voice" + std::to_string(n++) + ".so")).string();
        writeFile(path, r.damage(good));
        LibraryLoader::Handle h = dl.load(path);
        EXPECT_EQ(h != nullptr, r.loads);
        if (h) {
            EXPECT_NE(dl.findSpeak(h), nullptr);
            dl.release(h);
        }
    }
}

TEST(DlLibraryLoaderTest, RefusesWhatIsNotARegularFile) {
    test::TempDir dir;
    DlLibraryLoader dl;
    for (const std::string& path :
         {dir.path().string(), (dir.path() / "missing.so").string(), std::string("/dev/zero")})
        EXPECT_EQ(dl.load(path), nullptr) << path;
}

// A bare or relative name would let the library search path pick the file.
TEST(DlLibraryLoaderTest, OnlyAbsolutePathsAreLoaded) {
    DlLibraryLoader dl;
    const QString saved = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(QL_TEST_PLUGIN_DIR));
    for (const char* path : {"RecordingVoice.so", "./RecordingVoice.so", ""})
        EXPECT_EQ(dl.load(path), nullptr) << path;
    QDir::setCurrent(saved);
    LibraryLoader::Handle h = dl.load(QL_TEST_PLUGIN_DIR "/RecordingVoice.so");
    ASSERT_NE(h, nullptr);
    EXPECT_NE(dl.findSpeak(h), nullptr);
    dl.release(h);
}

} // namespace
} // namespace ql
