// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock as spoken: "ਹੁਣ ਦੋ ਵੱਜ ਕੇ ਦਸ ਮਿੰਟ ਹੋਏ ਹਨ।", with the quarter words ਸਵਾ ਦੋ (2:15),
// ਢਾਈ (2:30), ਡੇਢ (1:30), ਸਾਢੇ ਤਿੰਨ (3:30), ਪੌਣੇ ਤਿੰਨ (2:45); the last quarter hour counts down:
// "ਤਿੰਨ ਵੱਜਣ ਵਿੱਚ ਦਸ ਮਿੰਟ ਹਨ।". One o'clock and one minute are singular.
namespace ql::voice {
namespace {

// Every number to forty-four has its own word.
constexpr std::array<const char*, 45> numbers{
    "",      "ਇੱਕ",   "ਦੋ",     "ਤਿੰਨ",    "ਚਾਰ",  "ਪੰਜ",     "ਛੇ",     "ਸੱਤ",     "ਅੱਠ",
    "ਨੌਂ",     "ਦਸ",   "ਗਿਆਰਾਂ", "ਬਾਰਾਂ",   "ਤੇਰਾਂ",  "ਚੌਦਾਂ",    "ਪੰਦਰਾਂ",  "ਸੋਲ਼ਾਂ",    "ਸਤਾਰਾਂ",
    "ਅਠਾਰਾਂ", "ਉੱਨੀ",  "ਵੀਹ",   "ਇੱਕੀ",    "ਬਾਈ",  "ਤੇਈ",     "ਚੌਵੀ",   "ਪੱਚੀ",    "ਛੱਬੀ",
    "ਸਤਾਈ",  "ਅਠਾਈ", "ਉਨੱਤੀ",  "ਤੀਹ",    "ਇਕੱਤੀ", "ਬੱਤੀ",    "ਤੇਤੀ",   "ਚੌਂਤੀ",    "ਪੈਂਤੀ",
    "ਛੱਤੀ",   "ਸੈਂਤੀ",  "ਅਠੱਤੀ",  "ਉਨਤਾਲੀ", "ਚਾਲੀ", "ਇਕਤਾਲੀ", "ਬਤਾਲੀ", "ਤਰਤਾਲੀ", "ਚੁਤਾਲੀ"};

int twelve(int hour) {
    return hour % 12 == 0 ? 12 : hour % 12;
}

std::string half(int h) {
    if (h == 1) return "ਡੇਢ";
    if (h == 2) return "ਢਾਈ";
    return std::string("ਸਾਢੇ ") + numbers[h];
}

} // namespace

std::string punjabiTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "ਹੁਣ ਰਾਤ ਦੇ ਬਾਰਾਂ ਵੱਜੇ ਹਨ।";
    if (minute == 0 && hour == 12) return "ਹੁਣ ਦੁਪਹਿਰ ਦੇ ਬਾਰਾਂ ਵੱਜੇ ਹਨ।";
    const int now = twelve(hour);
    const int next = twelve(hour + 1);
    std::string s = "ਹੁਣ ";
    if (minute == 0)
        s += now == 1 ? "ਇੱਕ ਵੱਜਿਆ ਹੈ" : std::string(numbers[now]) + " ਵੱਜੇ ਹਨ";
    else if (minute == 15)
        s += std::string("ਸਵਾ ") + numbers[now] + " ਵੱਜੇ ਹਨ";
    else if (minute == 30)
        s += half(now) + " ਵੱਜੇ ਹਨ";
    else if (minute == 45)
        s += std::string("ਪੌਣੇ ") + numbers[next] + " ਵੱਜੇ ਹਨ";
    else if (minute < 45)
        s += std::string(numbers[now]) + " ਵੱਜ ਕੇ " + numbers[minute] +
             (minute == 1 ? " ਮਿੰਟ ਹੋਇਆ ਹੈ" : " ਮਿੰਟ ਹੋਏ ਹਨ");
    else
        s += std::string(numbers[next]) + " ਵੱਜਣ ਵਿੱਚ " + numbers[60 - minute] +
             (60 - minute == 1 ? " ਮਿੰਟ ਹੈ" : " ਮਿੰਟ ਹਨ");
    return s + "।";
}

} // namespace ql::voice
