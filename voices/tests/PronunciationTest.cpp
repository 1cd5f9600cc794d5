// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/EspeakRenderer.h"
#include "common/Phrases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

// What espeak-ng says, traced as IPA while it synthesises the text the voice sends. Expected
// phonemes are the words' standard pronunciations in espeak-ng's IPA symbols.
namespace ql::voice {
namespace {

struct Heard {
    std::string text;
    std::vector<const char*> says;
    std::vector<const char*> neverSays;
};

void expectHeard(const char* voice, const std::vector<Heard>& cases) {
    for (const Heard& c : cases) {
        const std::string ipa = EspeakRenderer::phonemes(voice, c.text);
        ASSERT_FALSE(ipa.empty()) << voice;
        for (const char* p : c.says)
            EXPECT_NE(ipa.find(p), std::string::npos) << c.text << " -> " << ipa << " lacks " << p;
        for (const char* p : c.neverSays)
            EXPECT_EQ(ipa.find(p), std::string::npos) << c.text << " -> " << ipa << " has " << p;
    }
}

// Every sentence of the twelve-hour day, none with the fault.
void expectNeverInADay(const char* voice, PhraseFn phrase, const std::vector<const char*>& wrong) {
    for (int h = 0; h < 12; ++h)
        for (int m = 0; m < 60; ++m) {
            const std::string ipa = EspeakRenderer::phonemes(voice, phrase(h, m));
            for (const char* p : wrong)
                EXPECT_EQ(ipa.find(p), std::string::npos) << phrase(h, m) << " -> " << ipa;
        }
}

TEST(Pronunciation, NorwegianSilentVShortElleveMinuttStressedLast) {
    expectHeard("nb+max",
                {{norwegianTime(11, 25), {"hˈɑl tˈɔl"}, {"ɑlv", "ɔlv"}}, // fem på halv tolv
                 {norwegianTime(12, 0), {"tˈɔl"}, {"ɔlv"}},              // tolv
                 {norwegianTime(10, 49), {"ˈɛlv", "mɪnˈʉtːər"}, {"ll", "eː", "mˈi"}},
                 {norwegianTime(4, 1), {"mɪnˈʉtː "}, {"mˈi"}}, // ett minutt over fire
                 {norwegianTime(11, 0), {"ˈɛlv"}, {"ll", "eː"}}});
}

TEST(Pronunciation, SwedishMinutStressedLastShortTonArtonOnItsFirst) {
    expectHeard("sv+robert",
                {{swedishTime(4, 1), {"mɪnˈʉt "}, {"mˈi"}}, // en minut över fyra
                 {swedishTime(4, 7), {"mɪnˈʉtər"}, {"mˈi"}},
                 {swedishTime(4, 13), {"ˈɛtːɔn"}, {"uːn"}},
                 {swedishTime(4, 14), {"tɔn"}, {"uːn"}},
                 {"femton", {"ˈɛmtɔn"}, {"uːn"}}, // a quarter is said "kvart", but the word exists
                 {swedishTime(4, 16), {"ˈɛkstɔn"}, {"uːn"}},
                 {swedishTime(4, 17), {"tːɔn"}, {"uːn"}},
                 {swedishTime(4, 18), {"ˈɑːtɔn"}, {"uːn", "tˈ"}},
                 {swedishTime(4, 19), {"ˈɪtːɔn"}, {"uːn"}},
                 {swedishTime(4, 41), {"ˈɪtːɔn"}, {"uːn"}}}); // nitton minuter i fem
}

TEST(Pronunciation, TurkishUIsNeverO) {
    expectHeard("tr+rob",
                {{turkishTime(3, 0), {"ˈytʃ"}, {"ø"}},          // üç
                 {turkishTime(3, 5), {"ytʃˈy"}, {"ø"}},         // üçü beş geçiyor
                 {turkishTime(4, 10), {"dœrdˈy"}, {"ø"}},       // dördü on geçiyor
                 {turkishTime(5, 23), {"ˈytʃ"}, {"ø"}},         // beşi yirmi üç geçiyor
                 {turkishTime(2, 45), {"ytʃɛ"}, {"ø", "[["}}}); // üçe: a longer word, left alone
}

// Stress and vowels as the words are said, in the sentences the voices send.
TEST(Pronunciation, StressAndVowelsOfTheEuropeanVoices) {
    expectHeard("bg+boris",
                {{bulgarianTime(20, 13), {"dvˈadeset", "trˈinɐdeset"}, {"dˈeset"}},
                 {bulgarianTime(14, 50), {"tʃetirˈinɐdeset", "peddˈeset"}, {"nadˈeset"}},
                 {bulgarianTime(11, 30), {"edinˈadeset", "trˈideset"}, {"dˈeset"}},
                 {bulgarianTime(12, 19), {"dvˈanɐdeset", "devetnˈadeset"}, {"dˈeset"}}});
    expectHeard("uk+Mike",
                {{ukrainianTime(14, 45), {"tʃʲotirnˈɑdtsjata", "sˈorok", "xviɭˈin"}, {"ʌ", "xvˈi"}},
                 {ukrainianTime(11, 21), {"odinˈɑdtsjata", "odnˈɑ", "xviɭˈina"}, {"ʌ"}},
                 {ukrainianTime(12, 0), {"poɭˈuden"}, {"ʌ"}}});
    expectHeard("sl+edward", {{slovenianTime(11, 7), {"enˈajst", "minˈuː"}, {"mˈiː", "ˈeːn"}},
                              {slovenianTime(11, 50), {"dʋanˈajstix"}, {"ˈaːn"}},
                              {"trinajst štirinajst sedemnajst devetnajst",
                               {"tɹinˈajst", "ʃtiɹinˈajst", "sedemnˈaj", "deʋetnˈajst"},
                               {"ˈeː", "ˈiː"}}});
    expectHeard("lt+Denis", {{lithuanianTime(21, 13),
                              {"dabˈar", "tʲrʲˈiːɭɪka", "dvʲˈidʲeɕimt", "val̩ˈanda"},
                              {"ɭˈɪ", "dʲˈe"}},
                             {lithuanianTime(2, 30), {"vˈal̩andoːs", "tʲrʲˈiʂdʲeɕimt"}, {"dʲˈe"}},
                             {lithuanianTime(10, 0), {"val̩andˈuː"}, {}},
                             {lithuanianTime(0, 0), {"vʲidˈurnaktʲis"}, {"nˈa"}}});
    expectHeard("is+Gene", {{icelandicTime(3, 0), {"θrjˈuː"}, {"θə"}},
                            {icelandicTime(2, 33), {"θrjˈaʊːr", "θrjˈaʊːdiy"}, {"θə"}},
                            {icelandicTime(2, 13), {"θrˈɛhdaʊn"}, {"θə"}}});
    expectHeard("ca+antonio", {{catalanTime(12, 0), {"midʒ"}, {"ɡ"}}});
    expectHeard("et+Alex", {{estonianTime(0, 0), {"kˈeskøː"}, {"skˈø"}}});
    expectHeard("en+Mike", {{englishTime(1, 0), {"wˈʌn"}, {"wˈɒn"}},
                            {englishTime(2, 21), {"wˈʌn"}, {"wˈɒn"}}});
    expectHeard("hi+Michael", {{hindiTime(2, 10), {"bˈʌɟkəɾ"}, {"ɟək"}}});
}

// The added voices read their script as their language: espeak-ng marks a switch to English,
// which it makes for characters it cannot read, with "(en)".
TEST(Pronunciation, AddedVoicesReadTheirOwnScript) {
    const struct {
        const char* voice;
        std::vector<Heard> heard;
    } voices[]{
        {"cmn-latn-pinyin+Lee",
         {{mandarinTime(14, 45), {"ɕˈiɑ5 wˈu", "fˈə5n"}, {"(en)"}},
          {mandarinTime(23, 30), {"pˈa5n"}, {"(en)"}}}},
        {"yue+Jacky",
         {{cantoneseTime(14, 45), {"lˈoenɡ5 dˈi2m", "fˈa1n"}, {"(en)"}},
          {cantoneseTime(0, 5), {"lˈinɡ4 ˈnɡ5"}, {"(en)"}}}},
        {"ja+steph",
         {{japaneseTime(16, 48), {"ɡˈo̞ɡo̞", "hˈäppɯᵝɴ"}, {"(en)"}},
          {japaneseTime(1, 30), {"ɡˈo̞ze̞ɴ", "hˈäɴ"}, {"(en)"}}}},
        {"ko+max",
         {{koreanTime(14, 45), {"ˈohu", "sˈɐsipˌo"}, {"(en)"}},
          {koreanTime(11, 30), {"pɐnˈipnidˌɐ"}, {"(en)"}}}},
        {"sw+adam", {{swahiliTime(14, 45), {"kˌasorˈobo", "mtʃˈana"}, {"(en)"}}}},
        {"ms+Alicia", {{malayTime(8, 9), {"lˈapan", "səmbˈilan"}, {"(en)"}}}},
        {"lv+victor", {{latvianTime(14, 45), {"t͡ʃˈetrpadsmit", "mˈinuːtes"}, {}}}},
        {"fa+david",
         {{persianTime(9, 15), {"nˈoh", "rˈobʔ"}, {"nˈa "}},
          {persianTime(22, 39), {"nˈoh daq"}, {"nˈa "}}}},
        {"ur+Michael",
         {{urduTime(21, 1), {"nˈaʊ bˈʌɟ", "hˈuːaː"}, {"nˈoː", "hˈaʋaː"}},
          {urduTime(7, 20), {"bˈiːs"}, {"bˈeːs"}}}},
        {"mr+Michael", {{marathiTime(9, 45), {"pˈaːvɳˌeː dˈʌhaː"}, {"(en)"}}}},
        {"ta+anika", {{tamilTime(14, 21), {"ˈiɹʉbˌʌttʉ ˈoɹʉ nˈimiɖʌm"}, {"(en)"}}}},
        {"te+paul", {{teluguTime(15, 21), {"ˈokka nˈimiʂˌaːlu"}, {"(en)"}}}},
        {"gu+anika", {{gujaratiTime(2, 10), {"waːɡˈiːneː"}, {"(en)"}}}},
        {"pa+robert", {{punjabiTime(3, 10), {"vˈʌɟ kˈe dˈʌs mˈɪ̃ʈ"}, {"(en)"}}}},
        {"am+Gene", {{amharicTime(9, 45), {"lˈəʔarat rˈub ɡˈudaj"}, {"(en)"}}}},
        {"kn+paul", {{kannadaTime(21, 21), {"ˈippɐttˌondu nˈimiʂɐ"}, {"(en)"}}}},
        {"ka+john", {{georgianTime(15, 50), {"tʰxˈutʰmeti", "ˈormotsʰdˌaatʰi"}, {"(en)"}}}},
        // The article's sun letter is doubled once, not three times.
        {"ar+sandro",
         {{arabicTime(15, 30), {"ʔassaːʕ", "ʔaθθaːlˈiθat", "wanˈis̪f"}, {"sss", "θθθ", "(en)"}},
          {arabicTime(9, 50), {"ʔˈillaː ʕˈaʃr"}, {"(en)"}}}},
    };
    for (const auto& v : voices) {
        SCOPED_TRACE(v.voice);
        expectHeard(v.voice, v.heard);
    }
}

TEST(Pronunciation, FixesHoldInEverySentence) {
    expectNeverInADay("nb+max", norwegianTime, {"ɑlv", "ɔlv", "ˈɛlleː", "mˈiːn"});
    expectNeverInADay("sv+robert", swedishTime, {"tuːn", "mˈiːn", "atˈ"});
    expectNeverInADay("tr+rob", turkishTime, {"ø"});
    expectNeverInADay("bg+boris", bulgarianTime, {"adˈeset"});
    expectNeverInADay("uk+Mike", ukrainianTime, {"ʌ", "xvˈiɭin"});
    expectNeverInADay("hi+Michael", hindiTime, {"ɟək"});
    expectNeverInADay("is+Gene", icelandicTime, {"θə"});
}

// The sentence keeps its spelling; only what espeak-ng is given changes.
TEST(Pronunciation, OnlyTheSentSpellingChanges) {
    EXPECT_EQ(norwegianTime(11, 25), "Klokka er fem på halv tolv.");
    EXPECT_EQ(EspeakRenderer::spokenText("nb+max", "Klokka er fem på halv tolv."),
              "Klokka er fem på hall toll.");
    EXPECT_EQ(EspeakRenderer::spokenText("tr+rob", "Saat üçe çeyrek var."), "Saat üçe çeyrek var.");
    EXPECT_EQ(EspeakRenderer::spokenText("de+max", "Es ist halv tolv."), "Es ist halv tolv.");
}

} // namespace
} // namespace ql::voice
