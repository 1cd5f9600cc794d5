// SPDX-License-Identifier: GPL-3.0-or-later
#include "PulseTestServer.h"
#include "SoundTestSupport.h"
#include "platform/linux/AlsaSoundPlayer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>

namespace ql {
namespace {

using Source = AlsaSoundPlayer::Source;

// The clock's own volume the player is given, as the program gives it ExportedOutputGain.
double testGain = 1.0;

// Plays through the real ALSA output into a private PulseAudio null sink and records its monitor.
class AlsaSoundPlayerPulseTest : public test::PulseServerTest {
  protected:
    // Records while `request` runs on a real player; returns what the sink heard.
    std::optional<Pcm> record(const std::function<void(SoundPlayer&)>& request) {
        const QString file = dir.filePath("heard.wav");
        if (!server->startRecording(file)) return std::nullopt;
        std::atomic<int> finished{0};
        AlsaSoundPlayer::Options o;
        o.output = [&](const AlsaPcmOutput::Request& r) {
            const auto start = std::chrono::steady_clock::now();
            const bool ok = AlsaPcmOutput::play(r);
            playSeconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            finished = ok ? 1 : -1;
            return ok;
        };
        o.observer = [&](Source s) { decision = s; };
        o.gain = [] { return testGain; };
        {
            AlsaSoundPlayer player(o);
            request(player);
            const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            while (!finished && std::chrono::steady_clock::now() < limit)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        server->stopRecording();
        EXPECT_EQ(finished, 1) << "the ALSA output did not play";
        return WaveDecoder::fromFile(file.toStdString());
    }

    // Seconds in which the recording is clearly above silence (-30 dBFS).
    static double audibleSeconds(const Pcm& pcm) {
        std::size_t loud = 0;
        for (std::size_t i = 0; i < pcm.frames(); ++i)
            loud += std::abs(pcm.samples[i * pcm.channels]) > 1000;
        return static_cast<double>(loud) / pcm.rate;
    }

    static double peakDb(const Pcm& pcm) {
        int peak = 1;
        for (const std::int16_t s : pcm.samples)
            peak = std::max(peak, std::abs(int(s)));
        return 20 * std::log10(peak / 32768.0);
    }

    void TearDown() override { testGain = 1.0; }

    QTemporaryDir dir;
    std::atomic<Source> decision{Source::Nothing};
    std::atomic<double> playSeconds{0};
};

TEST_F(AlsaSoundPlayerPulseTest, BuiltInSoundReachesTheSoundServer) {
    const auto wave = std::make_shared<const QByteArray>(test::builtInSound("Whistle"));
    const auto heard = record([&](SoundPlayer& p) { p.playMemory(wave); });
    ASSERT_TRUE(heard);
    EXPECT_EQ(decision, Source::Memory);
    // Whistle sounds for about 1.6 s; a stream may lose a few ms at its start.
    EXPECT_GT(audibleSeconds(*heard), 0.5);
}

// The output returns once the sound has been heard: not before (that would cut it off), nor
// seconds after (the sound server's reported delay freezes at the final underrun).
TEST_F(AlsaSoundPlayerPulseTest, OutputReturnsWhenTheSoundHasBeenHeard) {
    const auto wave = std::make_shared<const QByteArray>(test::builtInSound("Yipe"));
    const double length = static_cast<double>(WaveDecoder::fromMemory(*wave)->frames()) / 44100;
    ASSERT_TRUE(record([&](SoundPlayer& p) { p.playMemory(wave); }));
    EXPECT_GT(playSeconds, length - 0.05);
    EXPECT_LT(playSeconds, length + 2.0);
}

TEST_F(AlsaSoundPlayerPulseTest, MissingUserFileIsHeardAsTheDefaultSound) {
    const auto heard =
        record([&](SoundPlayer& p) { p.playFile(dir.filePath("gone.wav").toStdString()); });
    ASSERT_TRUE(heard);
    EXPECT_EQ(decision, Source::DefaultSound);
    EXPECT_GT(audibleSeconds(*heard), 0.02);
}

// Volumes 65, 40 and 10 as gains on the sound itself: a tone of -6 dBFS is heard 0, 4.3 and
// 16.3 dB below that.
TEST_F(AlsaSoundPlayerPulseTest, SoundsPlayAtTheClocksOwnVolume) {
    const std::string tone = test::writeSine(dir.filePath("tone.wav"), WaveEncoding::Pcm16, 1, 0.4);
    ASSERT_FALSE(tone.empty());
    const struct { double gain, db; } rows[] = {{0.9918, -6.1}, {0.6104, -10.3}, {0.1526, -22.3}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.gain);
        testGain = r.gain;
        const auto heard = record([&](SoundPlayer& p) { p.playFile(tone); });
        ASSERT_TRUE(heard);
        EXPECT_NEAR(peakDb(*heard), r.db, 1.0);
    }
}

// A new stream loses its first milliseconds on the way: clicks of 5 and 10 ms went unheard.
TEST_F(AlsaSoundPlayerPulseTest, ClicksOfAFewMillisecondsAreHeardEveryTime) {
    for (const double seconds : {0.005, 0.010}) {
        const std::string click =
            test::writeSine(dir.filePath("click.wav"), WaveEncoding::Pcm16, 1, seconds);
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(testing::Message() << seconds << " s, play " << i);
            const auto heard = record([&](SoundPlayer& p) { p.playFile(click); });
            ASSERT_TRUE(heard);
            EXPECT_EQ(decision, Source::File);
            EXPECT_GT(peakDb(*heard), -12.0);
        }
    }
}

} // namespace
} // namespace ql
