// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock with the part of the day: "ఇప్పుడు సమయం మధ్యాహ్నం మూడు గంటల పదిహేను
// నిమిషాలు." (3:15 pm), "మూడు గంటలు" on the hour. One o'clock is ఒంటి గంట, one minute ఒక నిమిషం, and a
// final one before a noun ఒక్క.
namespace ql::voice {
namespace {

constexpr std::array<const char*, 20> ones{
    "",   "ఒకటి",    "రెండు",   "మూడు",   "నాలుగు",   "ఐదు",   "ఆరు",   "ఏడు",   "ఎనిమిది",   "తొమ్మిది",
    "పది", "పదకొండు", "పన్నెండు", "పదమూడు", "పద్నాలుగు", "పదిహేను", "పదహారు", "పదిహేడు", "పద్దెనిమిది", "పంతొమ్మిది"};
constexpr std::array<const char*, 6> tens{"", "", "ఇరవై", "ముప్పై", "నలభై", "యాభై"};

std::string number(int n) {
    if (n < 20) return ones[n];
    std::string s = tens[n / 10];
    // Before a noun, a final one is ఒక్క: ఇరవై ఒక్క నిమిషాలు.
    if (n % 10) s.append(" ").append(n % 10 == 1 ? "ఒక్క" : ones[n % 10]);
    return s;
}

const char* partOfDay(int hour) {
    if (hour < 4 || hour >= 19) return "రాత్రి";
    if (hour < 6) return "తెల్లవారుజాము";
    if (hour < 12) return "ఉదయం";
    return hour < 16 ? "మధ్యాహ్నం" : "సాయంత్రం";
}

} // namespace

std::string teluguTime(int hour, int minute) {
    const int h = hour % 12 == 0 ? 12 : hour % 12;
    std::string s = "ఇప్పుడు సమయం ";
    s.append(partOfDay(hour)).append(" ");
    if (h == 1)
        s += "ఒంటి గంట";
    else
        s.append(ones[h]).append(minute ? " గంటల" : " గంటలు");
    if (minute == 1)
        s += " ఒక నిమిషం";
    else if (minute)
        s.append(" ").append(number(minute)).append(" నిమిషాలు");
    return s + ".";
}

} // namespace ql::voice
