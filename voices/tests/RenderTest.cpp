#include "VoiceCatalog.h"
#include "common/EspeakRenderer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

namespace ql::voice {
namespace {

constexpr double rate = EspeakRenderer::sampleRate;

double seconds(const std::vector<std::int16_t>& s) {
    return static_cast<double>(s.size()) / rate;
}

// Share of 20 ms frames whose RMS is clearly above silence.
double voicedShare(const std::vector<std::int16_t>& s) {
    const std::size_t frame = EspeakRenderer::sampleRate / 50;
    std::size_t voiced = 0, frames = 0;
    for (std::size_t i = 0; i + frame <= s.size(); i += frame, ++frames) {
        double sum = 0;
        for (std::size_t j = i; j < i + frame; ++j)
            sum += double(s[j]) * s[j];
        if (std::sqrt(sum / frame) > 300) ++voiced;
    }
    return frames ? double(voiced) / frames : 0;
}

TEST(Render, EveryVoiceSpeaksItsLongestSentence) {
    for (const CatalogEntry& v : voiceCatalog) {
        SCOPED_TRACE(v.display);
        const std::string text = v.phrase(23, 59);
        const auto samples = EspeakRenderer::render(v.espeakVoice, text);
        // Roughly 40-200 ms of audio per character, and well within a clock's patience.
        EXPECT_GT(seconds(samples), 0.04 * text.size() / 2) << text;
        EXPECT_LT(seconds(samples), 0.2 * text.size()) << text;
        EXPECT_GT(seconds(samples), 1.0) << text;
        EXPECT_LT(seconds(samples), 8.0) << text;
        EXPECT_GT(voicedShare(samples), 0.4) << text;
    }
}

TEST(Render, ShortSentenceIsShorterThanLongOne) {
    for (const CatalogEntry& v : voiceCatalog) {
        SCOPED_TRACE(v.display);
        const auto shortOne = EspeakRenderer::render(v.espeakVoice, v.phrase(1, 0));
        const auto longOne = EspeakRenderer::render(v.espeakVoice, v.phrase(23, 59));
        EXPECT_GT(shortOne.size(), 0u);
        EXPECT_LT(shortOne.size(), longOne.size());
    }
}

TEST(Render, UnknownVoiceGivesNothing) {
    EXPECT_TRUE(EspeakRenderer::render("xx-no-such-voice", "hello").empty());
    // and the renderer still works afterwards
    EXPECT_FALSE(EspeakRenderer::render(voiceCatalog[0].espeakVoice, "one").empty());
}

} // namespace
} // namespace ql::voice
