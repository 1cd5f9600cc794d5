// SPDX-License-Identifier: GPL-3.0-or-later
#include "speech/LegacyVoiceNames.h"

namespace ql {

// Old names are three letters of the language and two of the voice.
const std::array<LegacyVoiceName, 41> LegacyVoiceNames = {{
    {"ENGMI.SO", "English (Mike).so"},     {"ENGAN.SO", "English (Annie).so"},
    {"GERMA.SO", "German (Max).so"},       {"FREMI.SO", "French (Michel).so"},
    {"SPAPA.SO", "Spanish (Pablo).so"},    {"ITAMA.SO", "Italian (Mario).so"},
    {"DUTQU.SO", "Dutch (Quincy).so"},     {"PORPE.SO", "Portuguese (Pedro).so"},
    {"POLRO.SO", "Polish (Robert).so"},    {"CZERO.SO", "Czech (Rob).so"},
    {"SWERO.SO", "Swedish (Robert).so"},   {"FINQU.SO", "Finnish (Quincy).so"},
    {"RUSMI.SO", "Russian (Mike).so"},     {"HUNMA.SO", "Hungarian (Mario).so"},
    {"NORMA.SO", "Norwegian (Max).so"},    {"DANMI.SO", "Danish (Mike).so"},
    {"TURRO.SO", "Turkish (Rob).so"},      {"ENGST.SO", "English (Steve).so"},
    {"ENGLI.SO", "English (Linda).so"},    {"GERAN.SO", "German (Anna).so"},
    {"GERKL.SO", "German (Klaus).so"},     {"FREAM.SO", "French (Amelie).so"},
    {"SPALU.SO", "Spanish (Lucia).so"},    {"ITASO.SO", "Italian (Sofia).so"},
    {"DUTAN.SO", "Dutch (Anouk).so"},      {"PORMA.SO", "Portuguese (Maria).so"},
    {"POLEW.SO", "Polish (Ewa).so"},       {"CZEJA.SO", "Czech (Jana).so"},
    {"SWEAS.SO", "Swedish (Astrid).so"},   {"FINAI.SO", "Finnish (Aino).so"},
    {"RUSOL.SO", "Russian (Olga).so"},     {"HUNES.SO", "Hungarian (Eszter).so"},
    {"NORIN.SO", "Norwegian (Ingrid).so"}, {"DANKA.SO", "Danish (Karen).so"},
    {"TURAY.SO", "Turkish (Ayse).so"},     {"GRENI.SO", "Greek (Nikos).so"},
    {"ROMAN.SO", "Romanian (Andrei).so"},  {"SLKPE.SO", "Slovak (Peter).so"},
    {"CROIV.SO", "Croatian (Ivan).so"},    {"BULGE.SO", "Bulgarian (Georgi).so"},
    {"SLVLU.SO", "Slovenian (Luka).so"},
}};

} // namespace ql
