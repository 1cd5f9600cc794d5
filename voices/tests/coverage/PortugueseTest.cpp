// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// European Portuguese, twenty-four-hour clock: feminine hours (uma, duas, vinte e uma),
// masculine minutes (um, dois, vinte e um).
namespace ql::voice {
namespace {

using coverage::expectSentences;

TEST(PortugueseCoverage, Minutes) {
    expectSentences(portugueseTime, {
                                        {15, 0, "São quinze horas."},
                                        {15, 1, "São quinze horas e um minuto."},
                                        {15, 2, "São quinze horas e dois minutos."},
                                        {15, 3, "São quinze horas e três minutos."},
                                        {15, 4, "São quinze horas e quatro minutos."},
                                        {15, 5, "São quinze horas e cinco minutos."},
                                        {15, 6, "São quinze horas e seis minutos."},
                                        {15, 7, "São quinze horas e sete minutos."},
                                        {15, 8, "São quinze horas e oito minutos."},
                                        {15, 9, "São quinze horas e nove minutos."},
                                        {15, 10, "São quinze horas e dez minutos."},
                                        {15, 11, "São quinze horas e onze minutos."},
                                        {15, 12, "São quinze horas e doze minutos."},
                                        {15, 13, "São quinze horas e treze minutos."},
                                        {15, 14, "São quinze horas e catorze minutos."},
                                        {15, 15, "São quinze horas e quinze minutos."},
                                        {15, 16, "São quinze horas e dezasseis minutos."},
                                        {15, 17, "São quinze horas e dezassete minutos."},
                                        {15, 18, "São quinze horas e dezoito minutos."},
                                        {15, 19, "São quinze horas e dezanove minutos."},
                                        {15, 20, "São quinze horas e vinte minutos."},
                                        {15, 21, "São quinze horas e vinte e um minutos."},
                                        {15, 22, "São quinze horas e vinte e dois minutos."},
                                        {15, 23, "São quinze horas e vinte e três minutos."},
                                        {15, 24, "São quinze horas e vinte e quatro minutos."},
                                        {15, 25, "São quinze horas e vinte e cinco minutos."},
                                        {15, 26, "São quinze horas e vinte e seis minutos."},
                                        {15, 27, "São quinze horas e vinte e sete minutos."},
                                        {15, 28, "São quinze horas e vinte e oito minutos."},
                                        {15, 29, "São quinze horas e vinte e nove minutos."},
                                        {15, 30, "São quinze horas e trinta minutos."},
                                        {15, 31, "São quinze horas e trinta e um minutos."},
                                        {15, 32, "São quinze horas e trinta e dois minutos."},
                                        {15, 33, "São quinze horas e trinta e três minutos."},
                                        {15, 34, "São quinze horas e trinta e quatro minutos."},
                                        {15, 35, "São quinze horas e trinta e cinco minutos."},
                                        {15, 36, "São quinze horas e trinta e seis minutos."},
                                        {15, 37, "São quinze horas e trinta e sete minutos."},
                                        {15, 38, "São quinze horas e trinta e oito minutos."},
                                        {15, 39, "São quinze horas e trinta e nove minutos."},
                                        {15, 40, "São quinze horas e quarenta minutos."},
                                        {15, 41, "São quinze horas e quarenta e um minutos."},
                                        {15, 42, "São quinze horas e quarenta e dois minutos."},
                                        {15, 43, "São quinze horas e quarenta e três minutos."},
                                        {15, 44, "São quinze horas e quarenta e quatro minutos."},
                                        {15, 45, "São quinze horas e quarenta e cinco minutos."},
                                        {15, 46, "São quinze horas e quarenta e seis minutos."},
                                        {15, 47, "São quinze horas e quarenta e sete minutos."},
                                        {15, 48, "São quinze horas e quarenta e oito minutos."},
                                        {15, 49, "São quinze horas e quarenta e nove minutos."},
                                        {15, 50, "São quinze horas e cinquenta minutos."},
                                        {15, 51, "São quinze horas e cinquenta e um minutos."},
                                        {15, 52, "São quinze horas e cinquenta e dois minutos."},
                                        {15, 53, "São quinze horas e cinquenta e três minutos."},
                                        {15, 54, "São quinze horas e cinquenta e quatro minutos."},
                                        {15, 55, "São quinze horas e cinquenta e cinco minutos."},
                                        {15, 56, "São quinze horas e cinquenta e seis minutos."},
                                        {15, 57, "São quinze horas e cinquenta e sete minutos."},
                                        {15, 58, "São quinze horas e cinquenta e oito minutos."},
                                        {15, 59, "São quinze horas e cinquenta e nove minutos."},
                                    });
}

TEST(PortugueseCoverage, HoursOClock) {
    expectSentences(portugueseTime, {
                                        {0, 0, "É meia-noite."},
                                        {1, 0, "É uma hora."},
                                        {2, 0, "São duas horas."},
                                        {3, 0, "São três horas."},
                                        {4, 0, "São quatro horas."},
                                        {5, 0, "São cinco horas."},
                                        {6, 0, "São seis horas."},
                                        {7, 0, "São sete horas."},
                                        {8, 0, "São oito horas."},
                                        {9, 0, "São nove horas."},
                                        {10, 0, "São dez horas."},
                                        {11, 0, "São onze horas."},
                                        {12, 0, "É meio-dia."},
                                        {13, 0, "São treze horas."},
                                        {14, 0, "São catorze horas."},
                                        {15, 0, "São quinze horas."},
                                        {16, 0, "São dezasseis horas."},
                                        {17, 0, "São dezassete horas."},
                                        {18, 0, "São dezoito horas."},
                                        {19, 0, "São dezanove horas."},
                                        {20, 0, "São vinte horas."},
                                        {21, 0, "São vinte e uma horas."},
                                        {22, 0, "São vinte e duas horas."},
                                        {23, 0, "São vinte e três horas."},
                                    });
}

// The singular hours keep their form when minutes follow.
TEST(PortugueseCoverage, SingularHoursWithMinutes) {
    expectSentences(portugueseTime, {
                                        {0, 1, "É meia-noite e um minuto."},
                                        {0, 30, "É meia-noite e trinta minutos."},
                                        {1, 1, "É uma hora e um minuto."},
                                        {1, 15, "É uma hora e quinze minutos."},
                                        {12, 1, "É meio-dia e um minuto."},
                                        {12, 59, "É meio-dia e cinquenta e nove minutos."},
                                        {21, 21, "São vinte e uma horas e vinte e um minutos."},
                                        {22, 2, "São vinte e duas horas e dois minutos."},
                                    });
}

} // namespace
} // namespace ql::voice
