// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/EarlierVoiceList.h"

#include <array>

namespace ql {
namespace {

// The voices shipped before, in the order they were listed; never changes.
constexpr std::array<const char*, 33> earlierVoices{
    "Bulgarian (Boris)",  "Catalan (Antonio)",   "Croatian (Marco)",   "Czech (Rob)",
    "Danish (Mike)",      "Dutch (Quincy)",      "English (Annie)",    "English (Mike)",
    "English (Slt)",      "Estonian (Alex)",     "Finnish (Quincy)",   "French (Michel)",
    "German (Max)",       "Greek (Andrea)",      "Hindi (Michael)",    "Hungarian (Mario)",
    "Icelandic (Gene)",   "Indonesian (Alicia)", "Italian (Mario)",    "Lithuanian (Denis)",
    "Norwegian (Max)",    "Polish (Robert)",     "Portuguese (Pedro)", "Romanian (Pedro)",
    "Russian (Mike)",     "Serbian (Andy)",      "Slovak (Rob)",       "Slovenian (Edward)",
    "Spanish (Pablo)",    "Swedish (Robert)",    "Turkish (Rob)",      "Ukrainian (Mike)",
    "Vietnamese (Nguyen)"};

} // namespace

int sameVoiceInList(int earlierPosition, const QStringList& languages) {
    if (earlierPosition < 0 || earlierPosition >= int(earlierVoices.size())) return earlierPosition;
    const auto now = languages.indexOf(QString(earlierVoices[earlierPosition]));
    return now < 0 ? earlierPosition : int(now);
}

} // namespace ql
