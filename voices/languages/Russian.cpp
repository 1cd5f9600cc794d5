#include "common/Phrases.h"

#include <array>

// "Сейчас тринадцать часов пять минут." Hours are masculine (один, два), minutes feminine
// (одна, две); the noun takes its form from the last word of the number: час / часа / часов.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "ноль",       "один",        "два",        "три",          "четыре",
    "пять",       "шесть",       "семь",       "восемь",       "девять",
    "десять",     "одиннадцать", "двенадцать", "тринадцать",   "четырнадцать",
    "пятнадцать", "шестнадцать", "семнадцать", "восемнадцать", "девятнадцать"};
constexpr std::array<const char*, 6> tens{"", "", "двадцать", "тридцать", "сорок", "пятьдесят"};

std::string unit(int n, bool feminine) {
    if (feminine && n == 1) return "одна";
    if (feminine && n == 2) return "две";
    return ones[n];
}

std::string number(int n, bool feminine) {
    if (n < 20) return unit(n, feminine);
    std::string s = tens[n / 10];
    if (n % 10) s.append(" ").append(unit(n % 10, feminine));
    return s;
}

const char* noun(int n, const char* one, const char* few, const char* many) {
    if (n % 10 == 1 && n % 100 != 11) return one;
    if (n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14)) return few;
    return many;
}

} // namespace

std::string russianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Сейчас полночь.";
    if (minute == 0 && hour == 12) return "Сейчас полдень.";
    std::string s = "Сейчас " + number(hour, false) + " " + noun(hour, "час", "часа", "часов");
    if (minute)
        s.append(" ").append(number(minute, true) + " " +
                             noun(minute, "минута", "минуты", "минут"));
    return s + ".";
}

} // namespace ql::voice
