// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

// espeak-ng misreads a few correct words. Each language that needs it keeps a table beside its
// phrase rules; the renderer swaps the words on the way into espeak-ng, so the sentence itself
// stays correctly spelt.
namespace ql::voice {

struct Respelling {
    std::string_view word;   // as the phrase rules write it
    std::string_view spoken; // what espeak-ng reads right: a respelling, or phonemes in [[...]]
};

std::span<const Respelling> norwegianRespellings();
std::span<const Respelling> swedishRespellings();
std::span<const Respelling> turkishRespellings();
std::span<const Respelling> bulgarianRespellings();
std::span<const Respelling> ukrainianRespellings();
std::span<const Respelling> slovenianRespellings();
std::span<const Respelling> lithuanianRespellings();
std::span<const Respelling> hindiRespellings();
std::span<const Respelling> icelandicRespellings();
std::span<const Respelling> catalanRespellings();
std::span<const Respelling> estonianRespellings();
std::span<const Respelling> englishRespellings();
std::span<const Respelling> persianRespellings();
std::span<const Respelling> urduRespellings();

// The table for an espeak-ng voice ("nb+max"): the fixes belong to espeak-ng's rules for a
// language, so every variant of it shares them.
std::span<const Respelling> respellingsForVoice(std::string_view voice);

// text with every whole-word occurrence of a table word replaced.
std::string respell(std::string_view text, std::span<const Respelling> table);

} // namespace ql::voice
