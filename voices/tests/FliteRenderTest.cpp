#include "VoiceCatalog.h"
#include "common/FliteRenderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace ql::voice {
namespace {

double seconds(const std::vector<std::int16_t>& s) {
    return static_cast<double>(s.size()) / FliteRenderer::sampleRate;
}

// Share of 20 ms frames whose RMS is clearly above silence.
double voicedShare(const std::vector<std::int16_t>& s) {
    const std::size_t frame = FliteRenderer::sampleRate / 50;
    std::size_t voiced = 0, frames = 0;
    for (std::size_t i = 0; i + frame <= s.size(); i += frame, ++frames) {
        double sum = 0;
        for (std::size_t j = i; j < i + frame; ++j)
            sum += double(s[j]) * s[j];
        if (std::sqrt(sum / frame) > 300) ++voiced;
    }
    return frames ? double(voiced) / frames : 0;
}

int peak(const std::vector<std::int16_t>& s) {
    int p = 0;
    for (const std::int16_t x : s)
        p = std::max(p, std::abs(int(x)));
    return p;
}

// One sentence of each shape the English rules make, read as a whole and at the level every
// other voice has.
TEST(FliteRender, EverySentenceShapeIsSpoken) {
    struct Case {
        const char* text;
        double minSeconds, maxSeconds;
    };
    // Generous bounds around a person reading these aloud (about three syllables a second),
    // with room for the voice's pauses before and after.
    const std::vector<Case> cases{
        {"It's midnight.", 0.6, 2.5},         {"It's noon.", 0.5, 2.0},
        {"It's one o'clock.", 0.7, 2.5},      {"It's seven oh seven.", 0.9, 3.0},
        {"It's twelve fifteen.", 0.9, 3.0},   {"It's eleven fifty-nine.", 1.2, 3.5},
        {"It's three twenty-two.", 1.0, 3.5},
    };
    for (const FliteCatalogEntry& v : fliteCatalog) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(v.display) + ": " + c.text);
            const auto samples = FliteRenderer::render(v.fliteVoice, c.text);
            EXPECT_GT(seconds(samples), c.minSeconds);
            EXPECT_LT(seconds(samples), c.maxSeconds);
            EXPECT_GT(voicedShare(samples), 0.4);
            EXPECT_GT(peak(samples), 24000);
            EXPECT_LT(peak(samples), 28000);
        }
    }
}

TEST(FliteRender, LongerSentenceTakesLonger) {
    for (const FliteCatalogEntry& v : fliteCatalog) {
        SCOPED_TRACE(v.display);
        const auto shortOne = FliteRenderer::render(v.fliteVoice, v.phrase(1, 0));
        const auto longOne = FliteRenderer::render(v.fliteVoice, v.phrase(23, 59));
        EXPECT_GT(shortOne.size(), 0u);
        EXPECT_LT(shortOne.size() * 5 / 4, longOne.size());
    }
}

// flite is not thread-safe either; Speak may come from the worker or the user-interface thread.
TEST(FliteRender, RendersFromSeveralThreadsAlike) {
    const FliteCatalogEntry& v = fliteCatalog[0];
    const std::string text = v.phrase(15, 45);
    const std::size_t alone = FliteRenderer::render(v.fliteVoice, text).size();
    ASSERT_GT(alone, 0u);
    std::vector<std::size_t> lengths(4 * 5);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 5; ++i)
                lengths[t * 5 + i] = FliteRenderer::render(v.fliteVoice, text).size();
        });
    for (std::thread& t : threads)
        t.join();
    for (const std::size_t n : lengths)
        EXPECT_EQ(n, alone);
}

TEST(FliteRender, UnknownVoiceGivesNothing) {
    EXPECT_TRUE(FliteRenderer::render("no-such-voice", "It's noon.").empty());
    EXPECT_TRUE(FliteRenderer::render("en+Mike", "It's noon.").empty());
    // and the renderer still works afterwards
    EXPECT_FALSE(FliteRenderer::render(fliteCatalog[0].fliteVoice, "It's noon.").empty());
}

} // namespace
} // namespace ql::voice
