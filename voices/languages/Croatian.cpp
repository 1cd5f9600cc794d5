#include "common/Phrases.h"

#include <array>

// "Sada je četrnaest sati i pet minuta." The noun follows the last word of the number: jedan sat,
// dva sata, pet sati; jedna minuta, dvije minute, pet minuta; eleven to fourteen count as many.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "nula",      "jedan",    "dva",      "tri",        "četiri",    "pet",       "šest",
    "sedam",     "osam",     "devet",    "deset",      "jedanaest", "dvanaest",  "trinaest",
    "četrnaest", "petnaest", "šesnaest", "sedamnaest", "osamnaest", "devetnaest"};
constexpr std::array<const char*, 6> tens{"", "", "dvadeset", "trideset", "četrdeset", "pedeset"};

std::string unit(int n, bool feminine) {
    if (feminine && n == 1) return "jedna";
    if (feminine && n == 2) return "dvije";
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

std::string croatianTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Sada je ponoć.";
    if (minute == 0 && hour == 12) return "Sada je podne.";
    std::string s = "Sada je " + number(hour, false) + " " + noun(hour, "sat", "sata", "sati");
    if (minute)
        s.append(" i ").append(number(minute, true) + " " +
                               noun(minute, "minuta", "minute", "minuta"));
    return s + ".";
}

} // namespace ql::voice
