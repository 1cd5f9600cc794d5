// SPDX-License-Identifier: GPL-3.0-or-later
#include "Respelling.h"

#include <utility>

namespace ql::voice {
namespace {

// Bytes of UTF-8 sequences count as letters, so "üç" is not found inside "üçe".
bool isLetter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u >= 0x80 || (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

} // namespace

std::span<const Respelling> respellingsForVoice(std::string_view voice) {
    using Table = std::span<const Respelling> (*)();
    static constexpr std::pair<std::string_view, Table> tables[]{
        {"nb", norwegianRespellings},  {"sv", swedishRespellings},   {"tr", turkishRespellings},
        {"bg", bulgarianRespellings},  {"uk", ukrainianRespellings}, {"sl", slovenianRespellings},
        {"lt", lithuanianRespellings}, {"hi", hindiRespellings},     {"is", icelandicRespellings},
        {"ca", catalanRespellings},    {"et", estonianRespellings},  {"en", englishRespellings},
        {"fa", persianRespellings},    {"ur", urduRespellings}};
    const std::string_view language = voice.substr(0, voice.find('+'));
    for (const auto& [name, table] : tables)
        if (name == language) return table();
    return {};
}

std::string respell(std::string_view text, std::span<const Respelling> table) {
    std::string out;
    out.reserve(text.size() + 32);
    std::size_t i = 0;
    while (i < text.size()) {
        if (!isLetter(text[i])) {
            out += text[i++];
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && isLetter(text[end]))
            ++end;
        const std::string_view word = text.substr(i, end - i);
        std::string_view spoken = word;
        for (const Respelling& r : table)
            if (r.word == word) spoken = r.spoken;
        out += spoken;
        i = end;
    }
    return out;
}

} // namespace ql::voice
