// The soak's checks: a sound game passes them, and each kind of damage the
// soak hunts for is caught and named.

#include <gmock/gmock.h>

#include "game_fixture.h"
#include "invariants.h"

namespace zorikan::testing {
namespace {

using soak::Allowance;
using soak::CheckCounters;
using soak::CheckState;
using soak::Counters;
using ::testing::HasSubstr;
using ::testing::Optional;

class SoakChecksTest : public GameTest {
protected:
    void SetUp() override { startPlaying({{4, 10}, {7, 20}, {1, 100}}); }
};

TEST_F(SoakChecksTest, RosterDamageIsCaught) {
    EXPECT_EQ(CheckState(game), std::nullopt);
    EXPECT_EQ(soak::RosterCount(game.state), 3);

    game.state.RosterSpecies[5] = 12;  // a creature after an empty slot
    EXPECT_THAT(CheckState(game), Optional(HasSubstr("slot 5: filled after a gap")));
    game.state.RosterSpecies[5] = 0;

    game.state.RosterLevel[2] = 21;  // 21^3 is more than the 8000 experience
    EXPECT_THAT(CheckState(game), Optional(HasSubstr("slot 2: level 21 above experience")));
    game.state.RosterLevel[2] = 20;

    game.state.RosterExp[2] = 9261;  // enough for level 21 between battles
    EXPECT_THAT(CheckState(game), Optional(HasSubstr("slot 2: level 20 lags behind")));
    game.state.RosterExp[2] = 8000;

    game.screens.statistics.rosterList[1].imageIndex = 0;
    EXPECT_THAT(CheckState(game), Optional(HasSubstr("slot 2: list picture")));
}

TEST_F(SoakChecksTest, BattleAndMenuDamageIsCaught) {
    game.battle.InWildBattle = true;  // a battle without its arena
    EXPECT_THAT(CheckState(game), Optional(HasSubstr("arena shown")));
    game.screens.main.arena.visible = true;
    game.screens.menus.disable(MenuItem::Action1);
    game.battle.OppSpecies = 25;
    game.battle.OppLevel = 10;
    game.battle.OppHP = 100;
    EXPECT_EQ(CheckState(game), std::nullopt);

    // A trainer battle for levels nobody on the roster has.
    game.battle.InWildBattle = false;
    game.battle.InTrainerBattle = true;
    game.state.MinLevel = 30;
    game.state.MaxLevel = 50;
    EXPECT_THAT(CheckState(game), Optional(HasSubstr("no fighter in levels 30..50")));
    game.state.MaxLevel = 100;
    EXPECT_EQ(CheckState(game), std::nullopt);

    game.screens.menus.enable(MenuItem::Action1);
    EXPECT_THAT(CheckState(game), Optional(HasSubstr("Actions menu enabled during a battle")));
}

TEST_F(SoakChecksTest, MoneyFallsOnlyBySpendingOrADefeat) {
    Counters before;
    before.money = 4'294'967'000;
    Counters after = before;
    after.money = 704;  // a credit of 1000 that wrapped
    EXPECT_THAT(CheckCounters(before, after, {}), Optional(HasSubstr("money fell")));
    EXPECT_EQ(CheckCounters(before, after, {.spend = 4'294'966'296}), std::nullopt);
    EXPECT_THAT(CheckCounters(before, after, {.spend = 1000}), Optional(HasSubstr("money fell")));

    after.money = before.money / 2;
    EXPECT_EQ(CheckCounters(before, after, {.mayHalveMoney = true}), std::nullopt);
    EXPECT_THAT(CheckCounters(before, after, {}), Optional(HasSubstr("money fell")));

    after = before;
    after.money = before.money + 5;
    EXPECT_EQ(CheckCounters(before, after, {}), std::nullopt);
}

TEST_F(SoakChecksTest, ItemsFallOnlyByTheOneUsed) {
    Counters before;
    before.items[PotionButton] = 3;
    Counters after = before;
    after.items[PotionButton] = 2;
    EXPECT_EQ(CheckCounters(before, after, {.usedItem = PotionButton}), std::nullopt);
    EXPECT_THAT(CheckCounters(before, after, {.usedItem = ZoriBallButton}),
                Optional(HasSubstr("counter 4 fell")));
    after.items[PotionButton] = 1;  // two used in one click
    EXPECT_THAT(CheckCounters(before, after, {.usedItem = PotionButton}),
                Optional(HasSubstr("counter 4 fell")));
}

}  // namespace
}  // namespace zorikan::testing
