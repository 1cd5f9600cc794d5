// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The phrase engine: one pure function per language turning a local time into the sentence the
// voice reads. Every number is written out in words, since espeak-ng reads digit strings badly.
namespace ql::voice {

using PhraseFn = std::string (*)(int hour, int minute); // hour 0-23, minute 0-59

std::string englishTime(int hour, int minute);
std::string germanTime(int hour, int minute);
std::string frenchTime(int hour, int minute);
std::string spanishTime(int hour, int minute);
std::string italianTime(int hour, int minute);
std::string dutchTime(int hour, int minute);
std::string portugueseTime(int hour, int minute);
std::string polishTime(int hour, int minute);
std::string czechTime(int hour, int minute);
std::string swedishTime(int hour, int minute);
std::string finnishTime(int hour, int minute);
std::string russianTime(int hour, int minute);
std::string hungarianTime(int hour, int minute);
std::string norwegianTime(int hour, int minute);
std::string danishTime(int hour, int minute);
std::string turkishTime(int hour, int minute);
std::string romanianTime(int hour, int minute);
std::string ukrainianTime(int hour, int minute);
std::string slovakTime(int hour, int minute);
std::string croatianTime(int hour, int minute);
std::string serbianTime(int hour, int minute);
std::string bulgarianTime(int hour, int minute);
std::string slovenianTime(int hour, int minute);
std::string vietnameseTime(int hour, int minute);
std::string catalanTime(int hour, int minute);
std::string greekTime(int hour, int minute);
std::string lithuanianTime(int hour, int minute);
std::string indonesianTime(int hour, int minute);
std::string icelandicTime(int hour, int minute);
std::string hindiTime(int hour, int minute);
std::string estonianTime(int hour, int minute);
std::string mandarinTime(int hour, int minute);
std::string cantoneseTime(int hour, int minute);
std::string japaneseTime(int hour, int minute);
std::string koreanTime(int hour, int minute);
std::string swahiliTime(int hour, int minute);
std::string malayTime(int hour, int minute);
std::string latvianTime(int hour, int minute);
std::string persianTime(int hour, int minute);
std::string urduTime(int hour, int minute);
std::string marathiTime(int hour, int minute);
std::string tamilTime(int hour, int minute);
std::string teluguTime(int hour, int minute);
std::string georgianTime(int hour, int minute);
std::string arabicTime(int hour, int minute);
std::string gujaratiTime(int hour, int minute);
std::string punjabiTime(int hour, int minute);
std::string amharicTime(int hour, int minute);
std::string kannadaTime(int hour, int minute);

} // namespace ql::voice
