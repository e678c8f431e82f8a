// Choosing the fighter by double-clicking the roster during an opened
// battle: the question, the arena's fighter side, and the level band of
// trainer battles.

#include "core/battle/fighter_choice.h"
#include "battle_fixture.h"
#include "core/collection/roster.h"

namespace zorikan::testing {
namespace {

class FighterChoiceTest : public BattleTest {
protected:
    void SetUp() override {
        startPlaying({{4, 12}, {7, 30}});
        game.state.ZoriBalls = 3;
    }
};

TEST_F(FighterChoiceTest, YesPutsTheCreatureIntoTheArena) {
    StartWildBattle(game, 16, 5);
    port.clear();
    port.answers = {true};
    RosterDoubleClick(game, 1);
    const std::string fighter = name(7);
    EXPECT_EQ(port.boxes(Shown::Question), std::vector<std::string>{"Choose " + fighter + "?"});
    EXPECT_EQ(port.log, std::vector<std::string>{fighter + ", I choose you!"});
    EXPECT_EQ(game.battle.ActiveSlot, 2);
    EXPECT_EQ(game.battle.OwnHP, 300);
    EXPECT_EQ(game.state.Fights, 1u);
    const ArenaModel& arena = game.screens.main.arena;
    EXPECT_EQ(arena.fighterLabel, fighter + " L.30");
    EXPECT_EQ(arena.fighterHpText, "300/300");
    EXPECT_EQ(arena.fighterGauge.maximum, 300);
    EXPECT_EQ(arena.fighterGauge.position, 300);
    EXPECT_EQ(arena.fighterImage, 6);
    EXPECT_EQ(arena.attackCaption, fighter + "'s attacks:");
    const int attack = game.data.SpeciesAttacks[7][2];
    EXPECT_EQ(arena.attackItems[1], game.data.AttackNames[attack] + " (" +
                                        game.data.TypeNames[game.data.AttackType[attack]] + ")");
    EXPECT_EQ(arena.attackItems[4], "Run!");
    EXPECT_TRUE(arena.goVisible && arena.attacksVisible && arena.fighterGaugeVisible &&
                arena.fighterHpVisible && arena.fighterLabelVisible);
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::File1));
    EXPECT_FALSE(game.screens.statistics.rosterListEnabled);
    EXPECT_TRUE(game.screens.statistics.itemButtonsVisible);
    EXPECT_TRUE(game.screens.statistics.itemButtonEnabled[ZoriBallButton]);

    // The locked list offers no second fighter.
    RosterDoubleClick(game, 0);
    EXPECT_EQ(game.battle.ActiveSlot, 2);
}

TEST_F(FighterChoiceTest, NoLeavesTheBattleWaiting) {
    StartWildBattle(game, 16, 5);
    port.answers = {false};
    RosterDoubleClick(game, 0);
    EXPECT_EQ(game.battle.ActiveSlot, 0);
    EXPECT_EQ(game.state.Fights, 0u);
    EXPECT_FALSE(game.screens.main.arena.goVisible);
}

TEST_F(FighterChoiceTest, TrainerBattlesTakeOnlyCreaturesInTheBand) {
    StartTrainerBattle(game, 16, 5, "Tavrin");
    game.state.MinLevel = 20;
    game.state.MaxLevel = 29;
    RosterDoubleClick(game, 1);  // level 30: silently refused
    EXPECT_TRUE(port.boxes(Shown::Question).empty());
    game.state.MaxLevel = 30;
    port.answers = {true};
    RosterDoubleClick(game, 1);
    EXPECT_EQ(game.battle.ActiveSlot, 2);
    EXPECT_FALSE(game.screens.statistics.itemButtonEnabled[ZoriBallButton]);
}

TEST_F(FighterChoiceTest, OutsideABattleOnlyTheStatisticsAreShown) {
    RosterDoubleClick(game, 0);
    EXPECT_EQ(port.boxes(Shown::Information).size(), 1u);
    EXPECT_TRUE(port.boxes(Shown::Question).empty());
}

}  // namespace
}  // namespace zorikan::testing
