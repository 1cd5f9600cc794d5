#include "platform/AlsaSoundPlayer.h"
#include "SoundTestSupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace ql {
namespace {

using namespace std::chrono_literals;
using Source = AlsaSoundPlayer::Source;
constexpr auto patience = 20s; // only a hang takes this long

// Stands in for the sound device: records each decision and what reached the output.
class Device {
  public:
    struct Played {
        std::size_t frames = 0;
        unsigned rate = 0;
        unsigned channels = 0;
        bool cutShort = false;
    };

    bool holdUntilStopped = false; // a sound that would play for ever unless stopped
    std::vector<Source> decisions;
    std::vector<Played> played;
    int bells = 0;

    AlsaSoundPlayer::Options options(const std::string& bell = defaultBell()) {
        AlsaSoundPlayer::Options o;
        o.defaultSoundPath = bell;
        o.output = [this](const AlsaPcmOutput::Request& r) { return play(r); };
        o.observer = [this](Source s) { note([&] { decisions.push_back(s); }); };
        o.systemBell = [this] { note([&] { ++bells; }); };
        return o;
    }

    static std::string defaultBell() { return "/usr/share/sounds/freedesktop/stereo/bell.oga"; }

    bool waitForDecisions(std::size_t n) {
        return waitUntil([&] { return decisions.size() >= n; });
    }
    bool waitForPlayed(std::size_t n) {
        return waitUntil([&] { return played.size() >= n; });
    }
    bool waitForEnded(std::size_t n) {
        return waitUntil([&] { return ended_ >= n; });
    }

    std::vector<Source> decisionsSoFar() {
        std::lock_guard lock(mutex_);
        return decisions;
    }

  private:
    template <class F> bool waitUntil(F condition) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, patience, condition);
    }

    template <class F> void note(F change) {
        {
            std::lock_guard lock(mutex_);
            change();
        }
        changed_.notify_all();
    }

    bool play(const AlsaPcmOutput::Request& r) {
        std::size_t index = 0;
        note([&] {
            index = played.size();
            played.push_back({r.frames, r.rate, r.channels, false});
        });
        const auto limit = std::chrono::steady_clock::now() + patience;
        while (holdUntilStopped && !r.stop->load() && std::chrono::steady_clock::now() < limit)
            std::this_thread::sleep_for(1ms);
        note([&] {
            played[index].cutShort = r.stop->load();
            ++ended_;
        });
        return true;
    }

    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t ended_ = 0;
};

std::shared_ptr<const QByteArray> builtIn(const char* name) {
    return std::make_shared<const QByteArray>(test::builtInSound(name));
}

using test::returns;

class AlsaSoundPlayerTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    Device device;
    std::string path(const char* name) const { return dir.filePath(name).toStdString(); }
};

TEST_F(AlsaSoundPlayerTest, PlaysEachKindOfRequestAsDecided) {
    const std::string good = test::writeSine(dir.filePath("good.wav"), WaveEncoding::ImaAdpcm, 2);
    struct Row {
        const char* what;
        std::function<void(SoundPlayer&)> request;
        Source expected;
        unsigned channels;
    };
    const Row rows[] = {
        {"built-in", [](SoundPlayer& p) { p.playMemory(builtIn("Whistle")); }, Source::Memory, 1},
        {"user file", [&](SoundPlayer& p) { p.playFile(good); }, Source::File, 2},
        {"beep", [](SoundPlayer& p) { p.beep(); }, Source::DefaultSound, 2},
        {"no wave", [](SoundPlayer& p) { p.playMemory(nullptr); }, Source::Nothing, 0},
        {"bad wave",
         [](SoundPlayer& p) { p.playMemory(std::make_shared<const QByteArray>("RIFF junk")); },
         Source::Nothing, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.what);
        Device d;
        {
            AlsaSoundPlayer player(d.options());
            r.request(player);
            ASSERT_TRUE(d.waitForDecisions(1));
        }
        EXPECT_EQ(d.decisions, std::vector<Source>{r.expected});
        ASSERT_EQ(d.played.size(), r.channels ? 1u : 0u);
        if (r.channels) {
            EXPECT_EQ(d.played[0].channels, r.channels);
        }
    }
}

// Each is handed over at once and the playback thread neither hangs (FIFO) nor reads 1 GB.
TEST_F(AlsaSoundPlayerTest, UnplayableUserFilesFallBackToTheDefaultSound) {
    const QByteArray wave = test::readAll(
        QString::fromStdString(test::writeSine(dir.filePath("good.wav"), WaveEncoding::Pcm16)));
    ASSERT_TRUE(test::writeBytes(dir.filePath("empty.wav"), {}));
    ASSERT_TRUE(test::writeBytes(dir.filePath("text.wav"), "not a sound"));
    ASSERT_TRUE(test::writeBytes(dir.filePath("cut.wav"), wave.left(30)));
    ASSERT_TRUE(QDir(dir.path()).mkdir("dir.wav"));
    ASSERT_EQ(::mkfifo(path("fifo.wav").c_str(), 0600), 0);
    QFile huge(dir.filePath("huge.wav"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.write(wave) > 0);
    ASSERT_TRUE(huge.resize(qint64(1) << 30)); // sparse: costs no disk
    huge.close();
    const std::string files[] = {
        path("missing.wav"), path("empty.wav"), path("text.wav"), path("cut.wav"),
        path("dir.wav"),     path("fifo.wav"),  path("huge.wav"), ""};
    {
        AlsaSoundPlayer player(device.options());
        for (std::size_t i = 0; i < std::size(files); ++i) {
            SCOPED_TRACE(files[i]);
            ASSERT_TRUE(returns([&] { player.playFile(files[i]); }));
            ASSERT_TRUE(device.waitForDecisions(i + 1));
        }
    }
    EXPECT_EQ(device.decisions, std::vector<Source>(std::size(files), Source::DefaultSound));
    ASSERT_EQ(device.played.size(), std::size(files));
    for (const auto& p : device.played)
        EXPECT_EQ(p.frames, 6151u); // the theme's bell
}

TEST_F(AlsaSoundPlayerTest, WithoutTheBellFileTheDesktopBellRings) {
    {
        AlsaSoundPlayer player(device.options(path("no-bell.oga")));
        player.beep();
        ASSERT_TRUE(device.waitForDecisions(1));
        player.playFile(path("missing.wav"));
        ASSERT_TRUE(device.waitForDecisions(2));
    }
    EXPECT_EQ(device.decisions, std::vector<Source>(2, Source::SystemBell));
    EXPECT_EQ(device.bells, 2);
    EXPECT_TRUE(device.played.empty());
}

TEST_F(AlsaSoundPlayerTest, StartingASoundCutsOffTheOnePlaying) {
    device.holdUntilStopped = true;
    {
        AlsaSoundPlayer player(device.options());
        player.playMemory(builtIn("Fanfare"));
        ASSERT_TRUE(device.waitForPlayed(1));
        // The device is busy with a sound that never ends; no call may wait for it.
        ASSERT_TRUE(returns([&] { player.playMemory(builtIn("Yipe")); }));
        ASSERT_TRUE(device.waitForPlayed(2));
        ASSERT_TRUE(returns([&] { player.stop(); }));
        ASSERT_TRUE(device.waitForEnded(2));
        player.beep(); // a stopped player still plays what comes next
        ASSERT_TRUE(device.waitForPlayed(3));
    }
    EXPECT_EQ(device.decisions,
              (std::vector<Source>{Source::Memory, Source::Memory, Source::DefaultSound}));
    EXPECT_TRUE(device.played[0].cutShort);
    EXPECT_EQ(device.played[1].frames, WaveDecoder::fromMemory(*builtIn("Yipe"))->frames());
    EXPECT_TRUE(device.played[1].cutShort);
}

TEST_F(AlsaSoundPlayerTest, DestroyingThePlayerEndsTheSoundAndReturns) {
    device.holdUntilStopped = true;
    auto player = std::make_unique<AlsaSoundPlayer>(device.options());
    player->playMemory(builtIn("Whistle"));
    ASSERT_TRUE(device.waitForPlayed(1));
    ASSERT_TRUE(returns([&] { player.reset(); }));
    EXPECT_TRUE(device.played[0].cutShort);
}

} // namespace
} // namespace ql
