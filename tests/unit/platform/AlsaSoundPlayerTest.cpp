// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/AlsaSoundPlayer.h"
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
    bool waitForFrames(std::size_t index, std::size_t n) {
        return waitUntil([&] { return played.size() > index && played[index].frames >= n; });
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
            played.push_back({r.pull ? 0 : r.frames, r.rate, r.channels, false});
        });
        // A streamed sound is taken as a device takes it: piece by piece, until it ends.
        std::vector<std::int16_t> chunk(1024 * r.channels);
        for (std::size_t n; r.pull && !r.stop->load() && (n = r.pull(chunk.data(), 1024));)
            note([&] { played[index].frames += n; });
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

// Each is handed over at once and the playback thread does not hang (FIFO).
TEST_F(AlsaSoundPlayerTest, UnplayableUserFilesFallBackToTheDefaultSound) {
    const QByteArray wave = test::readAll(
        QString::fromStdString(test::writeSine(dir.filePath("good.wav"), WaveEncoding::Pcm16)));
    ASSERT_TRUE(test::writeBytes(dir.filePath("empty.wav"), {}));
    ASSERT_TRUE(test::writeBytes(dir.filePath("text.wav"), "not a sound"));
    ASSERT_TRUE(test::writeBytes(dir.filePath("cut.wav"), wave.left(30)));
    ASSERT_TRUE(QDir(dir.path()).mkdir("dir.wav"));
    ASSERT_EQ(::mkfifo(path("fifo.wav").c_str(), 0600), 0);
    const std::string files[] = {path("missing.wav"),
                                 path("empty.wav"),
                                 path("text.wav"),
                                 path("cut.wav"),
                                 path("dir.wav"),
                                 path("fifo.wav"),
                                 ""};
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

// A canonical 44-byte header of 16-bit mono PCM at 8000 Hz announcing `dataBytes` of samples.
QByteArray pcmHeader(quint32 dataBytes) {
    QByteArray h;
    const auto le = [&h](quint32 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            h.append(static_cast<char>((v >> (8 * i)) & 0xff));
    };
    h.append("RIFF");
    le(36 + dataBytes, 4);
    h.append("WAVEfmt ");
    le(16, 4);
    le(1, 2);     // PCM
    le(1, 2);     // mono
    le(8000, 4);  // frames per second
    le(16000, 4); // bytes per second
    le(2, 2);     // bytes per frame
    le(16, 2);    // bits per sample
    h.append("data");
    le(dataBytes, 4);
    return h;
}

// The user's file is played as it is decoded: any length plays, and only what is heard is read.
TEST_F(AlsaSoundPlayerTest, LongAndLargeUserFilesPlay) {
    const std::string longFile = test::writeSine(dir.filePath("long.wav"), WaveEncoding::Pcm16, 1,
                                                 301.0, 1000); // over five minutes
    const QByteArray shortWave = test::readAll(
        QString::fromStdString(test::writeSine(dir.filePath("short.wav"), WaveEncoding::Pcm16)));
    const auto sparse = [&](const char* name, const QByteArray& head, qint64 size) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(head) == head.size());
        EXPECT_TRUE(f.resize(size)); // sparse: costs no disk
        return path(name);
    };
    // 70 MiB of silence (73 minutes), and a 1 GiB file whose header names a quarter second.
    const std::string large = sparse("large.wav", pcmHeader(70u << 20), 44 + (70 << 20));
    const std::string padded = sparse("padded.wav", shortWave, qint64(1) << 30);
    {
        AlsaSoundPlayer player(device.options());
        player.playFile(longFile);
        ASSERT_TRUE(device.waitForEnded(1));
        player.playFile(padded);
        ASSERT_TRUE(device.waitForEnded(2));
        player.playFile(large);
        ASSERT_TRUE(device.waitForFrames(2, 8000 * 60)); // a minute in, it is still playing
        player.stop();
        ASSERT_TRUE(device.waitForEnded(3));
    }
    EXPECT_EQ(device.decisions, std::vector<Source>(3, Source::File));
    ASSERT_EQ(device.played.size(), 3u);
    EXPECT_EQ(device.played[0].frames, 301000u);
    EXPECT_EQ(device.played[0].rate, 1000u);
    EXPECT_FALSE(device.played[0].cutShort);
    EXPECT_EQ(device.played[1].frames, 11025u);
    EXPECT_EQ(device.played[2].rate, 8000u);
    EXPECT_TRUE(device.played[2].cutShort);
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

// The chime's caller waits until it has been heard; a sound cutting it off releases the caller.
TEST_F(AlsaSoundPlayerTest, PlayingAndWaitingReturnsOnceTheSoundIsOver) {
    const std::size_t chimeFrames = WaveDecoder::fromMemory(*builtIn("Chime"))->frames();
    {
        AlsaSoundPlayer player(device.options());
        ASSERT_TRUE(returns([&] { player.playMemoryAndWait(builtIn("Chime")); }));
        EXPECT_TRUE(device.waitForEnded(1)) << "returned before the sound was over";
    }
    device.holdUntilStopped = true;
    AlsaSoundPlayer player(device.options());
    auto waiting =
        std::async(std::launch::async, [&] { player.playMemoryAndWait(builtIn("Chime")); });
    ASSERT_TRUE(device.waitForPlayed(2));
    EXPECT_EQ(waiting.wait_for(200ms), std::future_status::timeout) << "returned while playing";
    player.playMemory(builtIn("Yipe"));
    EXPECT_EQ(waiting.wait_for(patience), std::future_status::ready);
    ASSERT_TRUE(device.waitForPlayed(3));
    player.stop();
    EXPECT_EQ(device.played[0].frames, chimeFrames);
    EXPECT_FALSE(device.played[0].cutShort);
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
