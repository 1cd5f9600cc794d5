// SPDX-License-Identifier: GPL-3.0-or-later
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

// RMS of each 20 ms frame.
std::vector<double> frameLevels(const std::vector<std::int16_t>& s, unsigned rate) {
    const std::size_t frame = rate / 50;
    std::vector<double> levels;
    for (std::size_t i = 0; i + frame <= s.size(); i += frame) {
        double sum = 0;
        for (std::size_t j = i; j < i + frame; ++j)
            sum += double(s[j]) * s[j];
        levels.push_back(std::sqrt(sum / frame));
    }
    return levels;
}

constexpr double silence = 300; // frame RMS, about -40 dBFS

// Share of frames clearly above silence.
double voicedShare(const std::vector<std::int16_t>& s) {
    const auto levels = frameLevels(s, FliteRenderer::sampleRate);
    const auto voiced =
        std::count_if(levels.begin(), levels.end(), [](double l) { return l > silence; });
    return levels.empty() ? 0 : double(voiced) / levels.size();
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
            // No more than 30 ms below -40 dBFS before the first word: it is heard at once.
            const auto firstWord = std::find_if(samples.begin(), samples.end(),
                                                [](std::int16_t x) { return std::abs(x) >= 328; });
            EXPECT_LE(firstWord - samples.begin(), 480);
        }
    }
}

// Playback starts with the first piece, so the pieces must come early and add up to the sentence.
TEST(FliteRender, StreamsTheSentenceInPieces) {
    for (const FliteCatalogEntry& v : fliteCatalog) {
        SCOPED_TRACE(v.display);
        const std::string text = v.phrase(23, 59);
        std::vector<std::size_t> pieces;
        std::vector<std::int16_t> streamed;
        ASSERT_TRUE(
            FliteRenderer::stream(v.fliteVoice, text, [&](const std::int16_t* s, std::size_t n) {
                pieces.push_back(n);
                streamed.insert(streamed.end(), s, s + n);
                return true;
            }));
        ASSERT_GT(pieces.size(), 4u);
        EXPECT_LT(pieces.front() * 4, streamed.size());
        // flite's noise excitation differs from run to run, and with it where the first word
        // is found to start: within 10 ms
        EXPECT_NEAR(double(streamed.size()),
                    double(FliteRenderer::render(v.fliteVoice, text).size()), 160);
    }
}

// A player that gave up (no sound device, playback cut short) stops the rendering.
TEST(FliteRender, StreamStopsWhenTheSinkRefuses) {
    const FliteCatalogEntry& v = fliteCatalog[0];
    int pieces = 0;
    EXPECT_TRUE(FliteRenderer::stream(v.fliteVoice, v.phrase(23, 59),
                                      [&](const std::int16_t*, std::size_t) {
                                          ++pieces;
                                          return false;
                                      }));
    EXPECT_EQ(pieces, 1);
    EXPECT_FALSE(FliteRenderer::render(v.fliteVoice, v.phrase(23, 59)).empty());
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
        EXPECT_NEAR(double(n), double(alone), 160); // where the first word starts: noise
}

TEST(FliteRender, UnknownVoiceGivesNothing) {
    EXPECT_TRUE(FliteRenderer::render("no-such-voice", "It's noon.").empty());
    EXPECT_TRUE(FliteRenderer::render("en+Mike", "It's noon.").empty());
    EXPECT_FALSE(FliteRenderer::stream("no-such-voice", "It's noon.",
                                       [](const std::int16_t*, std::size_t) { return true; }));
    // and the renderer still works afterwards
    EXPECT_FALSE(FliteRenderer::render(fliteCatalog[0].fliteVoice, "It's noon.").empty());
}

} // namespace
} // namespace ql::voice
