#include "common/Phrases.h"
#include "common/Respelling.h"

#include <array>

// Twelve-hour clock as spoken: "अभी दो बजकर दस मिनट हुए हैं।", with the fractions Hindi uses for
// the quarters: सवा दो (2:15), ढाई (2:30), डेढ़ (1:30), साढ़े तीन (3:30), पौने तीन (2:45); the last
// quarter hour counts down: "तीन बजने में दस मिनट हैं।". One o'clock and one minute are singular.
namespace ql::voice {
namespace {

// Every number to forty-four has its own word.
constexpr std::array<const char*, 45> numbers{
    "",       "एक",     "दो",    "तीन",     "चार",   "पाँच",     "छह",     "सात",    "आठ",
    "नौ",     "दस",     "ग्यारह", "बारह",    "तेरह",   "चौदह",    "पंद्रह",   "सोलह",   "सत्रह",
    "अठारह",  "उन्नीस",  "बीस",   "इक्कीस",   "बाईस",  "तेईस",     "चौबीस",  "पच्चीस",  "छब्बीस",
    "सत्ताईस", "अट्ठाईस", "उनतीस", "तीस",     "इकतीस", "बत्तीस",   "तैंतीस",   "चौंतीस",  "पैंतीस",
    "छत्तीस",  "सैंतीस",   "अड़तीस", "उनतालीस", "चालीस", "इकतालीस", "बयालीस", "तैंतालीस", "चवालीस"};

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

std::string half(int h) {
    if (h == 1) return "डेढ़";
    if (h == 2) return "ढाई";
    return std::string("साढ़े ") + numbers[h];
}

} // namespace

std::string hindiTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "अभी रात के बारह बजे हैं।";
    if (minute == 0 && hour == 12) return "अभी दोपहर के बारह बजे हैं।";
    const int now = twelve(hour);
    const int next = twelve(hour + 1);
    std::string s = "अभी ";
    if (minute == 0)
        s += now == 1 ? "एक बजा है" : std::string(numbers[now]) + " बजे हैं";
    else if (minute == 15)
        s += std::string("सवा ") + numbers[now] + " बजे हैं";
    else if (minute == 30)
        s += half(now) + " बजे हैं";
    else if (minute == 45)
        s += std::string("पौने ") + numbers[next] + " बजे हैं";
    else if (minute < 45)
        s += std::string(numbers[now]) + " बजकर " + numbers[minute] +
             (minute == 1 ? " मिनट हुआ है" : " मिनट हुए हैं");
    else
        s += std::string(numbers[next]) + " बजने में " + numbers[60 - minute] +
             (60 - minute == 1 ? " मिनट है" : " मिनट हैं");
    return s + "।";
}

// espeak-ng reads बजकर in three syllables; people say बज्-कर.
std::span<const Respelling> hindiRespellings() {
    static constexpr Respelling table[]{{"बजकर", "बज्कर"}};
    return table;
}

} // namespace ql::voice
