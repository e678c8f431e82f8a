// A fair start: each starter, at level 5 and always using its strongest
// attack against the creature met, wins more than half of its battles
// against the wild creatures the search offers before the first badge, but
// not nearly all. The battles run through the game's own search, fighter
// choice and "Go!" with a seeded random source.

#include "balance/first_battles.h"

#include <gtest/gtest.h>

#include "balance/journeys.h"
#include "test_data.h"

namespace zorikan::testing {
namespace {

TEST(FirstBattles, EachStarterWinsMostButNotAllOfItsFirstWildBattles) {
    for (int starter : {1, 4, 7}) {
        SCOPED_TRACE(RealGameData().SpeciesNames[starter]);
        const balance::FirstBattlesTally tally =
            balance::PlayFirstBattles(RealGameData(), starter, 10000, 7919u + starter);
        ASSERT_EQ(tally.fought, 10000) << "a battle did not end";
        // The search itself keeps to levels 2..10 before the first badges.
        EXPECT_EQ(tally.lowestLevel, 2);
        EXPECT_EQ(tally.highestLevel, 10);
        const double won = static_cast<double>(tally.won) / tally.fought;
        EXPECT_GE(won, balance::kFirstBattlesLowest);
        EXPECT_LE(won, balance::kFirstBattlesHighest);
    }
}

}  // namespace
}  // namespace zorikan::testing
