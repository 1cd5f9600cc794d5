// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Every hour word, part of the day and minute word of the languages whose numbers are built from
// a few parts: each unit, each ten, each special form at least once.
namespace ql::voice::coverage {
namespace {

TEST(AddedLanguagesCoverage, Mandarin) {
    expectSentences(mandarinTime,
                    {{0, 0, "Xian4 zai4 shi4 ling2 chen2 shi2 er4 dian3."},
                     {1, 1, "Xian4 zai4 shi4 ling2 chen2 yi1 dian3 ling2 yi1 fen1."},
                     {2, 2, "Xian4 zai4 shi4 ling2 chen2 liang3 dian3 ling2 er4 fen1."},
                     {3, 3, "Xian4 zai4 shi4 ling2 chen2 san1 dian3 ling2 san1 fen1."},
                     {4, 14, "Xian4 zai4 shi4 ling2 chen2 si4 dian3 shi2 si4 fen1."},
                     {5, 25, "Xian4 zai4 shi4 ling2 chen2 wu3 dian3 er4 shi2 wu3 fen1."},
                     {6, 36, "Xian4 zai4 shi4 shang4 wu3 liu4 dian3 san1 shi2 liu4 fen1."},
                     {7, 47, "Xian4 zai4 shi4 shang4 wu3 qi1 dian3 si4 shi2 qi1 fen1."},
                     {8, 58, "Xian4 zai4 shi4 shang4 wu3 ba1 dian3 wu3 shi2 ba1 fen1."},
                     {9, 9, "Xian4 zai4 shi4 shang4 wu3 jiu3 dian3 ling2 jiu3 fen1."},
                     {10, 10, "Xian4 zai4 shi4 shang4 wu3 shi2 dian3 shi2 fen1."},
                     {11, 30, "Xian4 zai4 shi4 shang4 wu3 shi2 yi1 dian3 ban4."},
                     {12, 0, "Xian4 zai4 shi4 zhong1 wu3 shi2 er4 dian3."},
                     {12, 40, "Xian4 zai4 shi4 zhong1 wu3 shi2 er4 dian3 si4 shi2 fen1."},
                     {13, 5, "Xian4 zai4 shi4 xia4 wu3 yi1 dian3 ling2 wu3 fen1."},
                     {14, 0, "Xian4 zai4 shi4 xia4 wu3 liang3 dian3."},
                     {17, 59, "Xian4 zai4 shi4 xia4 wu3 wu3 dian3 wu3 shi2 jiu3 fen1."},
                     {18, 20, "Xian4 zai4 shi4 wan3 shang5 liu4 dian3 er4 shi2 fen1."},
                     {23, 50, "Xian4 zai4 shi4 wan3 shang5 shi2 yi1 dian3 wu3 shi2 fen1."}});
}

TEST(AddedLanguagesCoverage, Cantonese) {
    expectSentences(cantoneseTime, {{0, 0, "而家係凌晨十二點。"},
                                    {1, 1, "而家係凌晨一點零一分。"},
                                    {2, 2, "而家係凌晨兩點零二分。"},
                                    {3, 13, "而家係凌晨三點十三分。"},
                                    {4, 24, "而家係凌晨四點二十四分。"},
                                    {5, 35, "而家係凌晨五點三十五分。"},
                                    {6, 46, "而家係朝早六點四十六分。"},
                                    {7, 57, "而家係朝早七點五十七分。"},
                                    {8, 8, "而家係朝早八點零八分。"},
                                    {9, 9, "而家係朝早九點零九分。"},
                                    {10, 10, "而家係朝早十點十分。"},
                                    {11, 30, "而家係朝早十一點半。"},
                                    {12, 0, "而家係中午十二點。"},
                                    {13, 20, "而家係下晝一點二十分。"},
                                    {14, 0, "而家係下晝兩點。"},
                                    {17, 59, "而家係下晝五點五十九分。"},
                                    {18, 5, "而家係夜晚六點零五分。"},
                                    {23, 50, "而家係夜晚十一點五十分。"}});
}

TEST(AddedLanguagesCoverage, Japanese) {
    expectSentences(japaneseTime,
                    {{0, 0, "ただいま ごぜん れいじ です。"},
                     {1, 1, "ただいま ごぜん いちじ いっぷん です。"},
                     {2, 2, "ただいま ごぜん にじ にふん です。"},
                     {3, 3, "ただいま ごぜん さんじ さんぷん です。"},
                     {4, 4, "ただいま ごぜん よじ よんぷん です。"},
                     {5, 5, "ただいま ごぜん ごじ ごふん です。"},
                     {6, 6, "ただいま ごぜん ろくじ ろっぷん です。"},
                     {7, 7, "ただいま ごぜん しちじ ななふん です。"},
                     {8, 8, "ただいま ごぜん はちじ はっぷん です。"},
                     {9, 9, "ただいま ごぜん くじ きゅうふん です。"},
                     {10, 10, "ただいま ごぜん じゅうじ じゅっぷん です。"},
                     {11, 11, "ただいま ごぜん じゅういちじ じゅういっぷん です。"},
                     {12, 0, "ただいま ごご じゅうにじ です。"},
                     {12, 20, "ただいま ごご じゅうにじ にじゅっぷん です。"},
                     {13, 30, "ただいま ごご いちじ はん です。"},
                     {14, 36, "ただいま ごご にじ さんじゅうろっぷん です。"},
                     {15, 40, "ただいま ごご さんじ よんじゅっぷん です。"},
                     {16, 48, "ただいま ごご よじ よんじゅうはっぷん です。"},
                     {17, 50, "ただいま ごご ごじ ごじゅっぷん です。"},
                     {23, 59, "ただいま ごご じゅういちじ ごじゅうきゅうふん です。"}});
}

TEST(AddedLanguagesCoverage, Korean) {
    expectSentences(koreanTime, {{0, 0, "지금은 자정입니다."},
                                 {0, 1, "지금은 오전 열두 시 일 분입니다."},
                                 {1, 2, "지금은 오전 한 시 이 분입니다."},
                                 {2, 3, "지금은 오전 두 시 삼 분입니다."},
                                 {3, 4, "지금은 오전 세 시 사 분입니다."},
                                 {4, 5, "지금은 오전 네 시 오 분입니다."},
                                 {5, 16, "지금은 오전 다섯 시 십육 분입니다."},
                                 {6, 27, "지금은 오전 여섯 시 이십칠 분입니다."},
                                 {7, 38, "지금은 오전 일곱 시 삼십팔 분입니다."},
                                 {8, 49, "지금은 오전 여덟 시 사십구 분입니다."},
                                 {9, 50, "지금은 오전 아홉 시 오십 분입니다."},
                                 {10, 10, "지금은 오전 열 시 십 분입니다."},
                                 {11, 30, "지금은 오전 열한 시 반입니다."},
                                 {12, 0, "지금은 정오입니다."},
                                 {12, 59, "지금은 오후 열두 시 오십구 분입니다."},
                                 {15, 0, "지금은 오후 세 시입니다."},
                                 {23, 45, "지금은 오후 열한 시 사십오 분입니다."}});
}

// Hours are counted from six in the morning: 07:00 is the first hour of the day.
TEST(AddedLanguagesCoverage, Swahili) {
    expectSentences(swahiliTime,
                    {{0, 0, "Sasa ni saa sita usiku."},
                     {1, 1, "Sasa ni saa saba na dakika moja usiku."},
                     {2, 2, "Sasa ni saa nane na dakika mbili usiku."},
                     {3, 13, "Sasa ni saa tisa na dakika kumi na tatu usiku."},
                     {4, 24, "Sasa ni saa kumi na dakika ishirini na nne alfajiri."},
                     {5, 35, "Sasa ni saa kumi na moja na dakika thelathini na tano alfajiri."},
                     {6, 0, "Sasa ni saa kumi na mbili alfajiri."},
                     {6, 45, "Sasa ni saa moja kasorobo asubuhi."},
                     {7, 15, "Sasa ni saa moja na robo asubuhi."},
                     {8, 30, "Sasa ni saa mbili na nusu asubuhi."},
                     {9, 40, "Sasa ni saa nne kasoro dakika ishirini asubuhi."},
                     {10, 46, "Sasa ni saa tano kasoro dakika kumi na nne asubuhi."},
                     {11, 57, "Sasa ni saa sita kasoro dakika tatu mchana."},
                     {12, 6, "Sasa ni saa sita na dakika sita mchana."},
                     {13, 7, "Sasa ni saa saba na dakika saba mchana."},
                     {14, 8, "Sasa ni saa nane na dakika nane mchana."},
                     {15, 9, "Sasa ni saa tisa na dakika tisa mchana."},
                     {16, 10, "Sasa ni saa kumi na dakika kumi jioni."},
                     {17, 20, "Sasa ni saa kumi na moja na dakika ishirini jioni."},
                     {18, 55, "Sasa ni saa moja kasoro dakika tano usiku."},
                     {23, 59, "Sasa ni saa sita kasoro dakika moja usiku."}});
}

TEST(AddedLanguagesCoverage, Malay) {
    expectSentences(malayTime, {{0, 0, "Sekarang pukul dua belas tengah malam."},
                                {0, 1, "Sekarang pukul dua belas satu minit tengah malam."},
                                {1, 2, "Sekarang pukul satu dua minit pagi."},
                                {2, 3, "Sekarang pukul dua tiga minit pagi."},
                                {3, 14, "Sekarang pukul tiga empat belas minit pagi."},
                                {4, 25, "Sekarang pukul empat dua puluh lima minit pagi."},
                                {5, 36, "Sekarang pukul lima tiga puluh enam minit pagi."},
                                {6, 47, "Sekarang pukul enam empat puluh tujuh minit pagi."},
                                {7, 58, "Sekarang pukul tujuh lima puluh lapan minit pagi."},
                                {8, 9, "Sekarang pukul lapan sembilan minit pagi."},
                                {9, 10, "Sekarang pukul sembilan sepuluh minit pagi."},
                                {10, 11, "Sekarang pukul sepuluh sebelas minit pagi."},
                                {11, 15, "Sekarang pukul sebelas suku pagi."},
                                {12, 0, "Sekarang pukul dua belas tengah hari."},
                                {13, 30, "Sekarang pukul satu setengah petang."},
                                {18, 59, "Sekarang pukul enam lima puluh sembilan minit petang."},
                                {19, 0, "Sekarang pukul tujuh malam."},
                                {23, 20, "Sekarang pukul sebelas dua puluh minit malam."}});
}

TEST(AddedLanguagesCoverage, Latvian) {
    expectSentences(latvianTime,
                    {{0, 0, "Ir pusnakts."},
                     {0, 1, "Pulkstenis ir nulle un viena minūte."},
                     {1, 2, "Pulkstenis ir viens un divas minūtes."},
                     {2, 3, "Pulkstenis ir divi un trīs minūtes."},
                     {3, 4, "Pulkstenis ir trīs un četras minūtes."},
                     {4, 5, "Pulkstenis ir četri un piecas minūtes."},
                     {5, 6, "Pulkstenis ir pieci un sešas minūtes."},
                     {6, 7, "Pulkstenis ir seši un septiņas minūtes."},
                     {7, 8, "Pulkstenis ir septiņi un astoņas minūtes."},
                     {8, 9, "Pulkstenis ir astoņi un deviņas minūtes."},
                     {9, 10, "Pulkstenis ir deviņi un desmit minūtes."},
                     {10, 11, "Pulkstenis ir desmit un vienpadsmit minūtes."},
                     {11, 12, "Pulkstenis ir vienpadsmit un divpadsmit minūtes."},
                     {12, 0, "Pulkstenis ir divpadsmit."},
                     {13, 13, "Pulkstenis ir trīspadsmit un trīspadsmit minūtes."},
                     {14, 14, "Pulkstenis ir četrpadsmit un četrpadsmit minūtes."},
                     {15, 15, "Pulkstenis ir piecpadsmit un piecpadsmit minūtes."},
                     {16, 16, "Pulkstenis ir sešpadsmit un sešpadsmit minūtes."},
                     {17, 17, "Pulkstenis ir septiņpadsmit un septiņpadsmit minūtes."},
                     {18, 18, "Pulkstenis ir astoņpadsmit un astoņpadsmit minūtes."},
                     {19, 19, "Pulkstenis ir deviņpadsmit un deviņpadsmit minūtes."},
                     {20, 20, "Pulkstenis ir divdesmit un divdesmit minūtes."},
                     {21, 31, "Pulkstenis ir divdesmit viens un trīsdesmit viena minūte."},
                     {22, 42, "Pulkstenis ir divdesmit divi un četrdesmit divas minūtes."},
                     {23, 59, "Pulkstenis ir divdesmit trīs un piecdesmit deviņas minūtes."}});
}

TEST(AddedLanguagesCoverage, Persian) {
    expectSentences(persianTime, {{0, 0, "ساعت دوازده شب است."},
                                  {0, 1, "ساعت دوازده و یک دقیقه است."},
                                  {1, 2, "ساعت یک و دو دقیقه است."},
                                  {2, 3, "ساعت دو و سه دقیقه است."},
                                  {3, 4, "ساعت سه و چهار دقیقه است."},
                                  {4, 5, "ساعت چهار و پنج دقیقه است."},
                                  {5, 6, "ساعت پنج و شش دقیقه است."},
                                  {6, 7, "ساعت شش و هفت دقیقه است."},
                                  {7, 8, "ساعت هفت و هشت دقیقه است."},
                                  {8, 9, "ساعت هشت و نه دقیقه است."},
                                  {9, 10, "ساعت نه و ده دقیقه است."},
                                  {10, 11, "ساعت ده و یازده دقیقه است."},
                                  {11, 12, "ساعت یازده و دوازده دقیقه است."},
                                  {12, 0, "ساعت دوازده ظهر است."},
                                  {13, 13, "ساعت یک و سیزده دقیقه است."},
                                  {14, 14, "ساعت دو و چهارده دقیقه است."},
                                  {15, 15, "ساعت سه و ربع است."},
                                  {16, 16, "ساعت چهار و شانزده دقیقه است."},
                                  {17, 17, "ساعت پنج و هفده دقیقه است."},
                                  {18, 18, "ساعت شش و هجده دقیقه است."},
                                  {19, 19, "ساعت هفت و نوزده دقیقه است."},
                                  {20, 20, "ساعت هشت و بیست دقیقه است."},
                                  {21, 30, "ساعت نه و نیم است."},
                                  {22, 39, "ساعت ده و سی و نه دقیقه است."},
                                  {23, 40, "ساعت بیست دقیقه به دوازده است."},
                                  {23, 45, "ساعت یک ربع به دوازده است."},
                                  {11, 45, "ساعت یک ربع به دوازده است."},
                                  {14, 55, "ساعت پنج دقیقه به سه است."},
                                  {14, 0, "ساعت دو است."}});
}

} // namespace
} // namespace ql::voice::coverage
