// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/WaveDecoder.h"
#include "SoundTestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace ql {
namespace {

using test::writeBytes;
using test::writeSine;

int peak(const Pcm& pcm) {
    int p = 0;
    for (auto s : pcm.samples)
        p = std::max(p, std::abs(static_cast<int>(s)));
    return p;
}

class WaveDecoderTest : public ::testing::Test {
  protected:
    QTemporaryDir dir;
    QString path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(WaveDecoderTest, DecodesEveryWaveEncodingWeMayMeet) {
    struct Row {
        WaveEncoding encoding;
        unsigned channels;
        unsigned rate;
    };
    const Row rows[] = {
        {WaveEncoding::Pcm16, 1, 44100},   {WaveEncoding::Pcm16, 2, 22050},
        {WaveEncoding::Float32, 1, 48000}, {WaveEncoding::Float32, 2, 44100},
        {WaveEncoding::MsAdpcm, 1, 44100}, {WaveEncoding::MsAdpcm, 2, 11025},
        {WaveEncoding::ImaAdpcm, 1, 8000}, {WaveEncoding::ImaAdpcm, 2, 44100},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << int(r.encoding) << " " << r.channels << "ch " << r.rate);
        const std::string file = writeSine(path("s.wav"), r.encoding, r.channels, 0.25, r.rate);
        ASSERT_FALSE(file.empty());
        for (const auto& pcm :
             {WaveDecoder::fromFile(file), WaveDecoder::fromMemory(test::readAll(path("s.wav")))}) {
            ASSERT_TRUE(pcm);
            EXPECT_EQ(pcm->rate, r.rate);
            EXPECT_EQ(pcm->channels, r.channels);
            // ADPCM rounds up to whole blocks; the sound itself must all be there.
            EXPECT_GE(pcm->frames(), r.rate / 4);
            EXPECT_LE(pcm->frames(), r.rate / 4 + 4096);
            EXPECT_NEAR(peak(*pcm), 16384, 1200); // the sine was written at half scale
        }
    }
}

TEST_F(WaveDecoderTest, BuiltInSoundsAreMonoAt44100OfTheirLength) {
    const std::pair<const char*, double> rows[] = {
        {"Yipe", 0.52}, {"Lazer", 0.47}, {"Whistle", 1.73}, {"Fanfare", 2.60}};
    for (const auto& [name, seconds] : rows) {
        SCOPED_TRACE(name);
        const QByteArray wave = test::builtInSound(name);
        ASSERT_FALSE(wave.isEmpty());
        EXPECT_EQ(wave.mid(20, 2), QByteArray("\x02\x00", 2)); // WAVE_FORMAT_ADPCM (Microsoft)
        const auto pcm = WaveDecoder::fromMemory(wave);
        ASSERT_TRUE(pcm);
        EXPECT_EQ(pcm->channels, 1u);
        EXPECT_EQ(pcm->rate, 44100u);
        EXPECT_NEAR(pcm->frames() / 44100.0, seconds, seconds * 0.1);
        // Headroom, yet clearly audible: peaks near -3 dBFS.
        EXPECT_GT(peak(*pcm), 16000);
        EXPECT_LT(peak(*pcm), 29000);
        // Soft edges: no click where the sound starts or stops.
        EXPECT_LT(std::abs(pcm->samples.front()), 300);
        EXPECT_LT(std::abs(pcm->samples.back()), 300);
    }
}

TEST_F(WaveDecoderTest, FileCutInTheMiddleOfItsDataPlaysWhatIsThere) {
    const QByteArray whole = test::readAll(
        QString::fromStdString(writeSine(path("whole.wav"), WaveEncoding::Pcm16, 1, 1.0)));
    ASSERT_TRUE(writeBytes(path("half.wav"), whole.left(whole.size() / 2)));
    const auto pcm = WaveDecoder::fromFile(path("half.wav").toStdString());
    ASSERT_TRUE(pcm);
    EXPECT_NEAR(pcm->frames(), 22050, 100);
}

TEST_F(WaveDecoderTest, RefusesRatesAndLengthsBeyondReason) {
    struct Row {
        unsigned rate;
        double seconds;
        bool playable;
    };
    const Row rows[] = {{500, 1.0, false}, {1000, 301.0, false}, {1000, 299.0, true}};
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.rate << " Hz, " << r.seconds << " s");
        const std::string file =
            writeSine(path("r.wav"), WaveEncoding::Pcm16, 1, r.seconds, r.rate);
        ASSERT_FALSE(file.empty());
        EXPECT_EQ(WaveDecoder::fromFile(file).has_value(), r.playable);
    }
}

TEST_F(WaveDecoderTest, ClipsFloatSamplesOutOfRangeAndSilencesNaN) {
    const std::vector<float> wild = {2.0f, -3.0f, NAN, 0.5f, INFINITY, -0.25f};
    ASSERT_TRUE(
        WaveFileWriter::write(path("f.wav").toStdString(), wild, 8000, 1, WaveEncoding::Float32));
    const auto pcm = WaveDecoder::fromFile(path("f.wav").toStdString());
    ASSERT_TRUE(pcm);
    // The writer clips too; either way nothing may wrap around to the opposite sign.
    const std::vector<std::int16_t> expected = {32767, -32767, 0, 16384, 32767, -8192};
    ASSERT_EQ(pcm->samples.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(pcm->samples[i], expected[i], 1) << "sample " << i;
}

TEST_F(WaveDecoderTest, MixesManyChannelsDownToMono) {
    const std::string file = writeSine(path("quad.wav"), WaveEncoding::Pcm16, 4);
    const auto pcm = WaveDecoder::fromFile(file);
    ASSERT_TRUE(pcm);
    EXPECT_EQ(pcm->channels, 1u);
    EXPECT_EQ(pcm->frames(), 44100u / 4);
    EXPECT_NEAR(peak(*pcm), 16384, 200);
}

TEST_F(WaveDecoderTest, OpensPathsWithSpacesQuotesAndNonAsciiLetters) {
    const QString name = QString::fromUtf8("Wecker \"früh\" 'ÆØÅ' — 目覚まし.wav");
    const std::string file = writeSine(path(name), WaveEncoding::MsAdpcm);
    ASSERT_FALSE(file.empty());
    EXPECT_TRUE(WaveDecoder::fromFile(file));
}

} // namespace
} // namespace ql
