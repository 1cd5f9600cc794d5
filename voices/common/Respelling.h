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

// text with every whole-word occurrence of a table word replaced.
std::string respell(std::string_view text, std::span<const Respelling> table);

} // namespace ql::voice
