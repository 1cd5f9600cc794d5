#include "PulseTestServer.h"
#include "platform/linux/AlsaWaveMixer.h"

#include <QProcess>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace ql {
namespace {

// The wave-out volume on a private PulseAudio null sink, read back with pactl.
class AlsaWaveMixerPulseTest : public test::PulseServerTest {
  protected:
    // Left and right raw volume of the sink (65536 = 100 %).
    static std::pair<int, int> sinkVolume() {
        QProcess p;
        p.start("pactl", {"get-sink-volume", "test_sink"});
        p.waitForFinished(5000);
        const QStringList words = QString(p.readAllStandardOutput()).simplified().split(' ');
        const auto after = [&](const char* key) {
            const auto i = words.indexOf(key);
            return i >= 0 && i + 1 < words.size() ? words[i + 1].toInt() : -1;
        };
        return {after("front-left:"), after("front-right:")};
    }
    // Connections to the sound server, pactl's own included.
    static int clientCount() {
        QProcess p;
        p.start("pactl", {"list", "short", "clients"});
        p.waitForFinished(5000);
        return static_cast<int>(QString(p.readAllStandardOutput()).trimmed().split('\n').size());
    }
    static void setSinkVolume(int raw) {
        QProcess::execute("pactl", {"set-sink-volume", "test_sink", QString::number(raw)});
    }
};

MATCHER_P(Near, expected, "") {
    return std::abs(arg - expected) <= 2;
}

// The two scales differ by one step (0xFFFF against 65536), so values may round by one.
TEST_F(AlsaWaveMixerPulseTest, ChannelsMapLinearlyOntoTheSink) {
    AlsaWaveMixer mixer;
    struct Row {
        std::uint16_t left, right;
        int sinkLeft, sinkRight;
    } rows[] = {{0x9C40, 0x9C40, 40001, 40001},
                {0xFDE8, 0xFDE8, 65001, 65001},
                {0x4000, 0xC000, 16384, 49153},
                {0, 0xFFFF, 0, 65536}};
    for (const Row& r : rows) {
        SCOPED_TRACE(r.left);
        ASSERT_TRUE(mixer.setVolume(r.left, r.right));
        const auto [l, rr] = sinkVolume();
        EXPECT_THAT(l, Near(r.sinkLeft));
        EXPECT_THAT(rr, Near(r.sinkRight));
        std::uint16_t gotLeft = 1, gotRight = 1;
        ASSERT_TRUE(mixer.getVolume(gotLeft, gotRight));
        EXPECT_THAT(int{gotLeft}, Near(int{r.left}));
        EXPECT_THAT(int{gotRight}, Near(int{r.right}));
    }
}

// The mixer stays open between calls; a change made by another program must still be seen,
// and a restore must still reach the sink although the mixer set that value before.
TEST_F(AlsaWaveMixerPulseTest, ChangesByOthersAreSeenByTheOpenMixer) {
    AlsaWaveMixer mixer;
    ASSERT_TRUE(mixer.setVolume(0x8000, 0x8000));
    setSinkVolume(19661);
    QThread::msleep(100);
    std::uint16_t l = 0, r = 0;
    ASSERT_TRUE(mixer.getVolume(l, r));
    EXPECT_THAT(int{l}, Near(19661));
    EXPECT_THAT(int{r}, Near(19661));
    setSinkVolume(30000);
    QThread::msleep(100);
    ASSERT_TRUE(mixer.setVolume(0x8000, 0x8000));
    EXPECT_THAT(sinkVolume().first, Near(32768));
}

// The idle clock holds no connection after its start-up reading, and the next call reconnects.
TEST_F(AlsaWaveMixerPulseTest, AReleasedMixerHoldsNoConnectionAndReopensOnUse) {
    const int alone = clientCount();
    AlsaWaveMixer mixer;
    std::uint16_t l = 0, r = 0;
    ASSERT_TRUE(mixer.getVolume(l, r));
    EXPECT_EQ(clientCount(), alone + 1);
    mixer.release();
    QThread::msleep(100);
    EXPECT_EQ(clientCount(), alone);
    ASSERT_TRUE(mixer.setVolume(0x4000, 0x4000));
    EXPECT_THAT(sinkVolume().first, Near(16384));
}

} // namespace
} // namespace ql
