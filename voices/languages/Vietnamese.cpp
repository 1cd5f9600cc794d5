// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twenty-four-hour clock: "Bây giờ là mười bốn giờ năm phút", "mười bốn giờ đúng" on the hour.
// After a tens word one is "mốt" and five "lăm" (hai mươi mốt, mười lăm), but eleven stays
// "mười một"; twenty and up use "mươi", ten alone "mười".
namespace ql::voice {
namespace {

constexpr std::array<const char*, 10> ones{"không", "một", "hai", "ba",  "bốn",
                                           "năm",   "sáu", "bảy", "tám", "chín"};

std::string number(int n) {
    if (n < 10) return ones[n];
    const int unit = n % 10;
    std::string s = n < 20 ? "mười" : std::string(ones[n / 10]) + " mươi";
    if (unit == 0) return s;
    if (unit == 5) return s + " lăm";
    if (unit == 1 && n > 20) return s + " mốt";
    return s + " " + ones[unit];
}

} // namespace

std::string vietnameseTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "Bây giờ là nửa đêm.";
    if (minute == 0 && hour == 12) return "Bây giờ là mười hai giờ trưa.";
    std::string s = "Bây giờ là " + number(hour) + " giờ ";
    s += minute ? number(minute) + " phút" : "đúng";
    return s + ".";
}

} // namespace ql::voice
