// SPDX-License-Identifier: GPL-3.0-or-later
#include "Coverage.h"

// Twenty-four-hour clock: "Je třináct hodin pět minut." After 1 the noun is singular (hodina,
// minuta), after 2-4 nominative plural (hodiny, minuty, and the verb "Jsou"), otherwise genitive
// plural. Compounds keep the unit uninflected ("dvacet dva") and take the genitive plural.
namespace ql::voice::coverage {
namespace {

TEST(CzechCoverage, Minutes) {
    expectSentences(czechTime, {
                                   {14, 0, "Je čtrnáct hodin."},
                                   {14, 1, "Je čtrnáct hodin jedna minuta."},
                                   {14, 2, "Je čtrnáct hodin dvě minuty."},
                                   {14, 3, "Je čtrnáct hodin tři minuty."},
                                   {14, 4, "Je čtrnáct hodin čtyři minuty."},
                                   {14, 5, "Je čtrnáct hodin pět minut."},
                                   {14, 6, "Je čtrnáct hodin šest minut."},
                                   {14, 7, "Je čtrnáct hodin sedm minut."},
                                   {14, 8, "Je čtrnáct hodin osm minut."},
                                   {14, 9, "Je čtrnáct hodin devět minut."},
                                   {14, 10, "Je čtrnáct hodin deset minut."},
                                   {14, 11, "Je čtrnáct hodin jedenáct minut."},
                                   {14, 12, "Je čtrnáct hodin dvanáct minut."},
                                   {14, 13, "Je čtrnáct hodin třináct minut."},
                                   {14, 14, "Je čtrnáct hodin čtrnáct minut."},
                                   {14, 15, "Je čtrnáct hodin patnáct minut."},
                                   {14, 16, "Je čtrnáct hodin šestnáct minut."},
                                   {14, 17, "Je čtrnáct hodin sedmnáct minut."},
                                   {14, 18, "Je čtrnáct hodin osmnáct minut."},
                                   {14, 19, "Je čtrnáct hodin devatenáct minut."},
                                   {14, 20, "Je čtrnáct hodin dvacet minut."},
                                   {14, 21, "Je čtrnáct hodin dvacet jedna minut."},
                                   {14, 22, "Je čtrnáct hodin dvacet dva minut."},
                                   {14, 23, "Je čtrnáct hodin dvacet tři minut."},
                                   {14, 24, "Je čtrnáct hodin dvacet čtyři minut."},
                                   {14, 25, "Je čtrnáct hodin dvacet pět minut."},
                                   {14, 26, "Je čtrnáct hodin dvacet šest minut."},
                                   {14, 27, "Je čtrnáct hodin dvacet sedm minut."},
                                   {14, 28, "Je čtrnáct hodin dvacet osm minut."},
                                   {14, 29, "Je čtrnáct hodin dvacet devět minut."},
                                   {14, 30, "Je čtrnáct hodin třicet minut."},
                                   {14, 31, "Je čtrnáct hodin třicet jedna minut."},
                                   {14, 32, "Je čtrnáct hodin třicet dva minut."},
                                   {14, 33, "Je čtrnáct hodin třicet tři minut."},
                                   {14, 34, "Je čtrnáct hodin třicet čtyři minut."},
                                   {14, 35, "Je čtrnáct hodin třicet pět minut."},
                                   {14, 36, "Je čtrnáct hodin třicet šest minut."},
                                   {14, 37, "Je čtrnáct hodin třicet sedm minut."},
                                   {14, 38, "Je čtrnáct hodin třicet osm minut."},
                                   {14, 39, "Je čtrnáct hodin třicet devět minut."},
                                   {14, 40, "Je čtrnáct hodin čtyřicet minut."},
                                   {14, 41, "Je čtrnáct hodin čtyřicet jedna minut."},
                                   {14, 42, "Je čtrnáct hodin čtyřicet dva minut."},
                                   {14, 43, "Je čtrnáct hodin čtyřicet tři minut."},
                                   {14, 44, "Je čtrnáct hodin čtyřicet čtyři minut."},
                                   {14, 45, "Je čtrnáct hodin čtyřicet pět minut."},
                                   {14, 46, "Je čtrnáct hodin čtyřicet šest minut."},
                                   {14, 47, "Je čtrnáct hodin čtyřicet sedm minut."},
                                   {14, 48, "Je čtrnáct hodin čtyřicet osm minut."},
                                   {14, 49, "Je čtrnáct hodin čtyřicet devět minut."},
                                   {14, 50, "Je čtrnáct hodin padesát minut."},
                                   {14, 51, "Je čtrnáct hodin padesát jedna minut."},
                                   {14, 52, "Je čtrnáct hodin padesát dva minut."},
                                   {14, 53, "Je čtrnáct hodin padesát tři minut."},
                                   {14, 54, "Je čtrnáct hodin padesát čtyři minut."},
                                   {14, 55, "Je čtrnáct hodin padesát pět minut."},
                                   {14, 56, "Je čtrnáct hodin padesát šest minut."},
                                   {14, 57, "Je čtrnáct hodin padesát sedm minut."},
                                   {14, 58, "Je čtrnáct hodin padesát osm minut."},
                                   {14, 59, "Je čtrnáct hodin padesát devět minut."},
                               });
}

TEST(CzechCoverage, HoursOClock) {
    expectSentences(czechTime, {
                                   {0, 0, "Je půlnoc."},
                                   {1, 0, "Je jedna hodina."},
                                   {2, 0, "Jsou dvě hodiny."},
                                   {3, 0, "Jsou tři hodiny."},
                                   {4, 0, "Jsou čtyři hodiny."},
                                   {5, 0, "Je pět hodin."},
                                   {6, 0, "Je šest hodin."},
                                   {7, 0, "Je sedm hodin."},
                                   {8, 0, "Je osm hodin."},
                                   {9, 0, "Je devět hodin."},
                                   {10, 0, "Je deset hodin."},
                                   {11, 0, "Je jedenáct hodin."},
                                   {12, 0, "Je poledne."},
                                   {13, 0, "Je třináct hodin."},
                                   {14, 0, "Je čtrnáct hodin."},
                                   {15, 0, "Je patnáct hodin."},
                                   {16, 0, "Je šestnáct hodin."},
                                   {17, 0, "Je sedmnáct hodin."},
                                   {18, 0, "Je osmnáct hodin."},
                                   {19, 0, "Je devatenáct hodin."},
                                   {20, 0, "Je dvacet hodin."},
                                   {21, 0, "Je dvacet jedna hodin."},
                                   {22, 0, "Je dvacet dva hodin."},
                                   {23, 0, "Je dvacet tři hodin."},
                               });
}

// With minutes, midnight and noon are plain hours again ("nula hodin"); the minute does not change
// the verb, which agrees with the hour.
TEST(CzechCoverage, HoursWithMinutes) {
    expectSentences(czechTime, {
                                   {0, 1, "Je nula hodin jedna minuta."},
                                   {1, 1, "Je jedna hodina jedna minuta."},
                                   {2, 1, "Jsou dvě hodiny jedna minuta."},
                                   {3, 1, "Jsou tři hodiny jedna minuta."},
                                   {4, 1, "Jsou čtyři hodiny jedna minuta."},
                                   {5, 1, "Je pět hodin jedna minuta."},
                                   {6, 1, "Je šest hodin jedna minuta."},
                                   {7, 1, "Je sedm hodin jedna minuta."},
                                   {8, 1, "Je osm hodin jedna minuta."},
                                   {9, 1, "Je devět hodin jedna minuta."},
                                   {10, 1, "Je deset hodin jedna minuta."},
                                   {11, 1, "Je jedenáct hodin jedna minuta."},
                                   {12, 1, "Je dvanáct hodin jedna minuta."},
                                   {13, 1, "Je třináct hodin jedna minuta."},
                                   {14, 1, "Je čtrnáct hodin jedna minuta."},
                                   {15, 1, "Je patnáct hodin jedna minuta."},
                                   {16, 1, "Je šestnáct hodin jedna minuta."},
                                   {17, 1, "Je sedmnáct hodin jedna minuta."},
                                   {18, 1, "Je osmnáct hodin jedna minuta."},
                                   {19, 1, "Je devatenáct hodin jedna minuta."},
                                   {20, 1, "Je dvacet hodin jedna minuta."},
                                   {21, 1, "Je dvacet jedna hodin jedna minuta."},
                                   {22, 1, "Je dvacet dva hodin jedna minuta."},
                                   {23, 1, "Je dvacet tři hodin jedna minuta."},
                               });
}

} // namespace
} // namespace ql::voice::coverage
