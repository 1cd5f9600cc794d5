// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/Phrases.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <utility>
#include <vector>

namespace ql::voice {
namespace {

struct Case {
    int hour;
    int minute;
    const char* sentence;
};

void expectSentences(PhraseFn phrase, const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        char label[8];
        std::snprintf(label, sizeof label, "%02d:%02d", c.hour, c.minute);
        EXPECT_EQ(phrase(c.hour, c.minute), c.sentence) << label;
    }
}

TEST(Phrase, English) {
    expectSentences(englishTime, {
                                     {0, 0, "It's midnight."},
                                     {0, 1, "It's twelve oh one."},
                                     {1, 0, "It's one o'clock."},
                                     {1, 1, "It's one oh one."},
                                     {1, 15, "It's one fifteen."},
                                     {2, 0, "It's two o'clock."},
                                     {2, 30, "It's two thirty."},
                                     {3, 22, "It's three twenty-two."},
                                     {4, 44, "It's four forty-four."},
                                     {7, 7, "It's seven oh seven."},
                                     {10, 10, "It's ten ten."},
                                     {11, 59, "It's eleven fifty-nine."},
                                     {12, 0, "It's noon."},
                                     {12, 1, "It's twelve oh one."},
                                     {12, 30, "It's twelve thirty."},
                                     {13, 5, "It's one oh five."},
                                     {15, 45, "It's three forty-five."},
                                     {17, 12, "It's five twelve."},
                                     {21, 21, "It's nine twenty-one."},
                                     {22, 0, "It's ten o'clock."},
                                     {23, 59, "It's eleven fifty-nine."},
                                 });
}

TEST(Phrase, German) {
    expectSentences(germanTime, {
                                    {0, 0, "Es ist Mitternacht."},
                                    {0, 1, "Es ist null Uhr eins."},
                                    {1, 0, "Es ist ein Uhr."},
                                    {1, 1, "Es ist ein Uhr eins."},
                                    {1, 15, "Es ist ein Uhr fünfzehn."},
                                    {2, 0, "Es ist zwei Uhr."},
                                    {2, 30, "Es ist zwei Uhr dreißig."},
                                    {3, 22, "Es ist drei Uhr zweiundzwanzig."},
                                    {4, 44, "Es ist vier Uhr vierundvierzig."},
                                    {7, 7, "Es ist sieben Uhr sieben."},
                                    {11, 59, "Es ist elf Uhr neunundfünfzig."},
                                    {12, 0, "Es ist zwölf Uhr mittags."},
                                    {12, 1, "Es ist zwölf Uhr eins."},
                                    {12, 30, "Es ist zwölf Uhr dreißig."},
                                    {13, 5, "Es ist dreizehn Uhr fünf."},
                                    {15, 45, "Es ist fünfzehn Uhr fünfundvierzig."},
                                    {16, 16, "Es ist sechzehn Uhr sechzehn."},
                                    {17, 12, "Es ist siebzehn Uhr zwölf."},
                                    {19, 31, "Es ist neunzehn Uhr einunddreißig."},
                                    {21, 21, "Es ist einundzwanzig Uhr einundzwanzig."},
                                    {22, 0, "Es ist zweiundzwanzig Uhr."},
                                    {23, 59, "Es ist dreiundzwanzig Uhr neunundfünfzig."},
                                });
}

TEST(Phrase, French) {
    expectSentences(frenchTime, {
                                    {0, 0, "Il est minuit."},
                                    {0, 1, "Il est minuit une."},
                                    {1, 0, "Il est une heure."},
                                    {1, 1, "Il est une heure une."},
                                    {1, 15, "Il est une heure quinze."},
                                    {2, 0, "Il est deux heures."},
                                    {2, 30, "Il est deux heures trente."},
                                    {3, 22, "Il est trois heures vingt-deux."},
                                    {4, 44, "Il est quatre heures quarante-quatre."},
                                    {7, 7, "Il est sept heures sept."},
                                    {11, 59, "Il est onze heures cinquante-neuf."},
                                    {12, 0, "Il est midi."},
                                    {12, 1, "Il est midi une."},
                                    {12, 30, "Il est midi trente."},
                                    {13, 5, "Il est treize heures cinq."},
                                    {15, 45, "Il est quinze heures quarante-cinq."},
                                    {16, 17, "Il est seize heures dix-sept."},
                                    {17, 12, "Il est dix-sept heures douze."},
                                    {19, 31, "Il est dix-neuf heures trente et une."},
                                    {21, 21, "Il est vingt et une heures vingt et une."},
                                    {22, 0, "Il est vingt-deux heures."},
                                    {23, 59, "Il est vingt-trois heures cinquante-neuf."},
                                });
}

TEST(Phrase, Dutch) {
    expectSentences(dutchTime, {
                                   {0, 0, "Het is middernacht."},
                                   {0, 1, "Het is nul uur één."},
                                   {1, 0, "Het is één uur."},
                                   {1, 1, "Het is één uur één."},
                                   {1, 15, "Het is één uur vijftien."},
                                   {2, 0, "Het is twee uur."},
                                   {2, 30, "Het is twee uur dertig."},
                                   {3, 22, "Het is drie uur tweeëntwintig."},
                                   {4, 44, "Het is vier uur vierenveertig."},
                                   {7, 7, "Het is zeven uur zeven."},
                                   {11, 59, "Het is elf uur negenenvijftig."},
                                   {12, 0, "Het is twaalf uur 's middags."},
                                   {12, 1, "Het is twaalf uur één."},
                                   {12, 30, "Het is twaalf uur dertig."},
                                   {13, 5, "Het is dertien uur vijf."},
                                   {15, 45, "Het is vijftien uur vijfenveertig."},
                                   {17, 12, "Het is zeventien uur twaalf."},
                                   {18, 38, "Het is achttien uur achtendertig."},
                                   {21, 21, "Het is eenentwintig uur eenentwintig."},
                                   {22, 0, "Het is tweeëntwintig uur."},
                                   {23, 59, "Het is drieëntwintig uur negenenvijftig."},
                               });
}

TEST(Phrase, Czech) {
    expectSentences(czechTime, {
                                   {0, 0, "Je půlnoc."},
                                   {0, 1, "Je nula hodin jedna minuta."},
                                   {1, 0, "Je jedna hodina."},
                                   {1, 1, "Je jedna hodina jedna minuta."},
                                   {1, 15, "Je jedna hodina patnáct minut."},
                                   {2, 0, "Jsou dvě hodiny."},
                                   {2, 30, "Jsou dvě hodiny třicet minut."},
                                   {3, 22, "Jsou tři hodiny dvacet dva minut."},
                                   {4, 44, "Jsou čtyři hodiny čtyřicet čtyři minut."},
                                   {5, 3, "Je pět hodin tři minuty."},
                                   {7, 7, "Je sedm hodin sedm minut."},
                                   {11, 59, "Je jedenáct hodin padesát devět minut."},
                                   {12, 0, "Je poledne."},
                                   {12, 1, "Je dvanáct hodin jedna minuta."},
                                   {12, 30, "Je dvanáct hodin třicet minut."},
                                   {13, 5, "Je třináct hodin pět minut."},
                                   {14, 2, "Je čtrnáct hodin dvě minuty."},
                                   {15, 45, "Je patnáct hodin čtyřicet pět minut."},
                                   {17, 12, "Je sedmnáct hodin dvanáct minut."},
                                   {21, 21, "Je dvacet jedna hodin dvacet jedna minut."},
                                   {22, 0, "Je dvacet dva hodin."},
                                   {23, 59, "Je dvacet tři hodin padesát devět minut."},
                               });
}

TEST(Phrase, Finnish) {
    expectSentences(finnishTime, {
                                     {0, 0, "On keskiyö."},
                                     {0, 1, "Kello on yksi minuutti yli kaksitoista."},
                                     {1, 0, "Kello on yksi."},
                                     {1, 1, "Kello on yksi minuutti yli yksi."},
                                     {1, 15, "Kello on varttia yli yksi."},
                                     {2, 0, "Kello on kaksi."},
                                     {2, 25, "Kello on viittä vaille puoli kolme."},
                                     {2, 30, "Kello on puoli kolme."},
                                     {2, 35, "Kello on viisi yli puoli kolme."},
                                     {3, 22, "Kello on kahdeksaa minuuttia vaille puoli neljä."},
                                     {4, 44, "Kello on kuuttatoista minuuttia vaille viisi."},
                                     {7, 7, "Kello on seitsemän minuuttia yli seitsemän."},
                                     {8, 20, "Kello on kaksikymmentä yli kahdeksan."},
                                     {10, 40, "Kello on kahtakymmentä vaille yksitoista."},
                                     {11, 59, "Kello on minuuttia vaille kaksitoista."},
                                     {12, 0, "On keskipäivä."},
                                     {12, 1, "Kello on yksi minuutti yli kaksitoista."},
                                     {12, 30, "Kello on puoli yksi."},
                                     {13, 5, "Kello on viisi yli yksi."},
                                     {14, 50, "Kello on kymmentä vaille kolme."},
                                     {15, 45, "Kello on varttia vaille neljä."},
                                     {17, 12, "Kello on kaksitoista minuuttia yli viisi."},
                                     {21, 21, "Kello on yhdeksää minuuttia vaille puoli kymmenen."},
                                     {22, 0, "Kello on kymmenen."},
                                     {23, 59, "Kello on minuuttia vaille kaksitoista."},
                                 });
}

TEST(Phrase, Hungarian) {
    expectSentences(hungarianTime, {
                                       {0, 0, "Éjfél van."},
                                       {0, 1, "Nulla óra egy perc van."},
                                       {1, 0, "Egy óra van."},
                                       {1, 1, "Egy óra egy perc van."},
                                       {1, 15, "Egy óra tizenöt perc van."},
                                       {2, 0, "Két óra van."},
                                       {2, 30, "Két óra harminc perc van."},
                                       {3, 22, "Három óra huszonkét perc van."},
                                       {4, 44, "Négy óra negyvennégy perc van."},
                                       {5, 10, "Öt óra tíz perc van."},
                                       {7, 7, "Hét óra hét perc van."},
                                       {11, 59, "Tizenegy óra ötvenkilenc perc van."},
                                       {12, 0, "Dél van."},
                                       {12, 1, "Tizenkét óra egy perc van."},
                                       {12, 30, "Tizenkét óra harminc perc van."},
                                       {13, 5, "Tizenhárom óra öt perc van."},
                                       {15, 45, "Tizenöt óra negyvenöt perc van."},
                                       {17, 12, "Tizenhét óra tizenkét perc van."},
                                       {20, 20, "Húsz óra húsz perc van."},
                                       {21, 21, "Huszonegy óra huszonegy perc van."},
                                       {22, 0, "Huszonkét óra van."},
                                       {23, 59, "Huszonhárom óra ötvenkilenc perc van."},
                                   });
}

TEST(Phrase, Danish) {
    expectSentences(danishTime, {
                                    {0, 0, "Det er midnat."},
                                    {0, 1, "Klokken er et minut over tolv."},
                                    {1, 0, "Klokken er ét."},
                                    {1, 1, "Klokken er et minut over ét."},
                                    {1, 15, "Klokken er kvart over ét."},
                                    {2, 0, "Klokken er to."},
                                    {2, 25, "Klokken er fem i halv tre."},
                                    {2, 30, "Klokken er halv tre."},
                                    {2, 35, "Klokken er fem over halv tre."},
                                    {3, 22, "Klokken er otte minutter i halv fire."},
                                    {4, 44, "Klokken er seksten minutter i fem."},
                                    {7, 7, "Klokken er syv minutter over syv."},
                                    {8, 20, "Klokken er tyve over otte."},
                                    {10, 40, "Klokken er tyve i elleve."},
                                    {11, 59, "Klokken er et minut i tolv."},
                                    {12, 0, "Klokken er tolv."},
                                    {12, 1, "Klokken er et minut over tolv."},
                                    {12, 30, "Klokken er halv ét."},
                                    {13, 5, "Klokken er fem over ét."},
                                    {14, 50, "Klokken er ti i tre."},
                                    {15, 45, "Klokken er kvart i fire."},
                                    {17, 12, "Klokken er tolv minutter over fem."},
                                    {21, 21, "Klokken er ni minutter i halv ti."},
                                    {22, 0, "Klokken er ti."},
                                    {23, 59, "Klokken er et minut i tolv."},
                                });
}

// Every minute of the day in every language: a complete sentence of words, never digits.
TEST(Phrase, EveryMinuteIsASentenceOfWords) {
    const std::vector<std::pair<const char*, PhraseFn>> languages{
        {"English", englishTime},       {"German", germanTime},       {"French", frenchTime},
        {"Spanish", spanishTime},       {"Italian", italianTime},     {"Dutch", dutchTime},
        {"Portuguese", portugueseTime}, {"Polish", polishTime},       {"Czech", czechTime},
        {"Swedish", swedishTime},       {"Finnish", finnishTime},     {"Russian", russianTime},
        {"Hungarian", hungarianTime},   {"Norwegian", norwegianTime}, {"Danish", danishTime},
        {"Turkish", turkishTime}};
    for (const auto& [name, phrase] : languages) {
        for (int h = 0; h < 24; ++h) {
            for (int m = 0; m < 60; ++m) {
                const std::string s = phrase(h, m);
                SCOPED_TRACE(std::string(name) + " " + std::to_string(h) + ":" + std::to_string(m));
                ASSERT_GE(s.size(), 5u);
                EXPECT_EQ(s.back(), '.');
                EXPECT_EQ(s.find_first_of("0123456789"), std::string::npos) << s;
                EXPECT_EQ(s.find("  "), std::string::npos) << s;
                EXPECT_NE(s[s.size() - 2], ' ') << s;
            }
        }
    }
}

} // namespace
} // namespace ql::voice
