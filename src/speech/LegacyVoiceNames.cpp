#include "speech/LegacyVoiceNames.h"

namespace ql {

// Old names are three letters of the language and two of the voice.
const std::array<LegacyVoiceName, 41> LegacyVoiceNames = {{
    {"ENGMI.SO", "English (Michael).so"},  {"ENGAN.SO", "English (Annie).so"},
    {"GERMA.SO", "German (Max).so"},       {"FREGU.SO", "French (Gustave).so"},
    {"SPAPA.SO", "Spanish (Pablo).so"},    {"ITAMA.SO", "Italian (Marco).so"},
    {"DUTQU.SO", "Dutch (Quincy).so"},     {"PORPE.SO", "Portuguese (Pedro).so"},
    {"POLRO.SO", "Polish (Robert).so"},    {"CZEVI.SO", "Czech (Victor).so"},
    {"SWEIV.SO", "Swedish (Iven).so"},     {"FINTR.SO", "Finnish (Travis).so"},
    {"RUSBO.SO", "Russian (Boris).so"},    {"HUNNO.SO", "Hungarian (Norbert).so"},
    {"ENGST.SO", "English (Steve).so"},    {"ENGLI.SO", "English (Linda).so"},
    {"GERAN.SO", "German (Anna).so"},      {"GERKL.SO", "German (Klaus).so"},
    {"FREAM.SO", "French (Amelie).so"},    {"SPALU.SO", "Spanish (Lucia).so"},
    {"ITASO.SO", "Italian (Sofia).so"},    {"DUTAN.SO", "Dutch (Anouk).so"},
    {"PORMA.SO", "Portuguese (Maria).so"}, {"POLEW.SO", "Polish (Ewa).so"},
    {"CZEJA.SO", "Czech (Jana).so"},       {"SWEAS.SO", "Swedish (Astrid).so"},
    {"FINAI.SO", "Finnish (Aino).so"},     {"RUSOL.SO", "Russian (Olga).so"},
    {"HUNES.SO", "Hungarian (Eszter).so"}, {"DANKA.SO", "Danish (Karl).so"},
    {"NORNI.SO", "Norwegian (Nils).so"},   {"GRENI.SO", "Greek (Nikos).so"},
    {"TUREM.SO", "Turkish (Emre).so"},     {"ROMAN.SO", "Romanian (Andrei).so"},
    {"SLKPE.SO", "Slovak (Peter).so"},     {"CROIV.SO", "Croatian (Ivan).so"},
    {"BULGE.SO", "Bulgarian (Georgi).so"}, {"SLVLU.SO", "Slovenian (Luka).so"},
    {"ESTMA.SO", "Estonian (Mart).so"},    {"LATJA.SO", "Latvian (Janis).so"},
    {"LITTO.SO", "Lithuanian (Tomas).so"},
}};

} // namespace ql
