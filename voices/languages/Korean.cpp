// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <array>

// Twelve-hour clock after 오전/오후: hours in native numbers (한 시, 두 시, 열두 시), minutes in
// Sino-Korean ones (십오 분), half past as 반: "지금은 오후 세 시 십오 분입니다."
namespace ql::voice {
namespace {

constexpr std::array<const char*, 13> hours{"",     "한",   "두",   "세", "네",   "다섯", "여섯",
                                            "일곱", "여덟", "아홉", "열", "열한", "열두"};
constexpr std::array<const char*, 10> digits{"",   "일", "이", "삼", "사",
                                             "오", "육", "칠", "팔", "구"};

std::string sino(int n) {
    std::string s = n >= 20 ? std::string(digits[n / 10]) + "십" : n >= 10 ? "십" : "";
    return s + digits[n % 10];
}

} // namespace

std::string koreanTime(int hour, int minute) {
    if (minute == 0 && hour == 0) return "지금은 자정입니다.";
    if (minute == 0 && hour == 12) return "지금은 정오입니다.";
    std::string s = "지금은 ";
    s += hour < 12 ? "오전 " : "오후 ";
    s += std::string(hours[hour % 12 == 0 ? 12 : hour % 12]) + " 시";
    if (minute == 30)
        s += " 반";
    else if (minute)
        s.append(" ").append(sino(minute)).append(" 분");
    return s + "입니다.";
}

} // namespace ql::voice
