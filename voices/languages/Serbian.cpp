#include "common/Phrases.h"

#include <array>

// "Сада је четрнаест часова и пет минута.", in Cyrillic and the ekavian "две". The noun follows
// the last word of the number: један час, два часа, пет часова; једна минута, две минуте, пет
// минута; eleven to fourteen count as many.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "нула",      "један",    "два",      "три",        "четири",    "пет",       "шест",
    "седам",     "осам",     "девет",    "десет",      "једанаест", "дванаест",  "тринаест",
    "четрнаест", "петнаест", "шеснаест", "седамнаест", "осамнаест", "деветнаест"};
constexpr std::array<const char*, 6> tens{"", "", "двадесет", "тридесет", "четрдесет", "педесет"};

std::string unit(int n, bool feminine) {
    if (feminine && n == 1) return "једна";
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
    if (n % 100 >= 11 && n % 100 <= 14) return many;
    if (n % 10 == 1) return one;
    if (n % 10 >= 2 && n % 10 <= 4) return few;
    return many;
}

} // namespace

std::string serbianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Сада је поноћ.";
    if (minute == 0 && hour == 12) return "Сада је подне.";
    std::string s = "Сада је " + number(hour, false) + " " + noun(hour, "час", "часа", "часова");
    if (minute)
        s.append(" и ").append(number(minute, true) + " " +
                               noun(minute, "минута", "минуте", "минута"));
    return s + ".";
}

} // namespace ql::voice
