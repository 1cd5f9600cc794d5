// SPDX-License-Identifier: GPL-3.0-or-later
#include "VoiceCatalog.h"
#include "common/EspeakRenderer.h"

#include <espeak-ng/speak_lib.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <thread>
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
        // Roughly 40-200 ms of audio per character, and well within a clock's patience. The
        // lower bound counts letters, not bytes: an Indic letter and its vowel sign take six.
        const auto letters =
            std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; });
        EXPECT_GT(seconds(samples), 0.04 * letters / 2) << text;
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

// Brought to one loudness, no voice may clip on its way there.
TEST(Render, EveryVoiceStaysClearOfClipping) {
    for (const CatalogEntry& v : voiceCatalog) {
        SCOPED_TRACE(v.display);
        int peak = 0;
        for (const std::int16_t s : EspeakRenderer::render(v.espeakVoice, v.phrase(15, 45)))
            peak = std::max(peak, std::abs(int(s)));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32700);
    }
}

// A misspelt variant makes espeak-ng fall back to the plain language voice without a word.
TEST(Render, EveryVoiceNamesAnInstalledVariant) {
    ASSERT_FALSE(EspeakRenderer::render(voiceCatalog[0].espeakVoice, "one").empty()); // set up
    espeak_VOICE query{};
    query.languages = "variant";
    std::set<std::string> installed;
    for (const espeak_VOICE* const* v = espeak_ListVoices(&query); v && *v; ++v)
        installed.insert((*v)->identifier);
    ASSERT_FALSE(installed.empty());
    for (const CatalogEntry& v : voiceCatalog) {
        const std::string name = v.espeakVoice;
        const auto plus = name.find('+');
        ASSERT_NE(plus, std::string::npos) << v.display;
        EXPECT_TRUE(installed.count("!v/" + name.substr(plus + 1))) << v.display << ": " << name;
    }
}

// Speak may come from the worker thread or the user-interface thread; espeak-ng itself is not
// thread-safe, so the renderer must serialise.
TEST(Render, RendersFromSeveralThreadsAlike) {
    const CatalogEntry& v = voiceCatalog[0];
    const std::string text = v.phrase(15, 45);
    const double alone = double(EspeakRenderer::render(v.espeakVoice, text).size());
    std::vector<std::size_t> lengths(4 * 5);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&, t] {
            for (int i = 0; i < 5; ++i)
                lengths[t * 5 + i] = EspeakRenderer::render(v.espeakVoice, text).size();
        });
    for (std::thread& t : threads)
        t.join();
    for (const std::size_t n : lengths)
        EXPECT_NEAR(double(n), alone, alone * 0.02);
}

TEST(Render, UnknownVoiceGivesNothing) {
    EXPECT_TRUE(EspeakRenderer::render("xx-no-such-voice", "hello").empty());
    // and the renderer still works afterwards
    EXPECT_FALSE(EspeakRenderer::render(voiceCatalog[0].espeakVoice, "one").empty());
}

} // namespace
} // namespace ql::voice
