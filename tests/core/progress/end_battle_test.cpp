// "End Fight": each outcome is counted once, lagging levels catch up after a
// loss, and the main window returns to idle.

#include "core/progress/end_battle.h"
#include "battle_fixture.h"
#include "core/battle/turn.h"

namespace zorikan::testing {
namespace {

class EndBattleTest : public BattleTest {
protected:
    void SetUp() override { fight(4, 20, 16, 10); }
};

TEST_F(EndBattleTest, EachOutcomeCountsInItsCounter) {
    const std::uint8_t kinds[] = {0, 1, 2, 3, 9};
    for (std::uint8_t kind : kinds) {
        GameState before = game.state;
        game.battle.BattleKind = kind;
        EndBattle(game);
        EXPECT_EQ(game.state.Catches - before.Catches, kind == 1 ? 1u : 0u) << int(kind);
        EXPECT_EQ(game.state.Wins - before.Wins, kind >= 2 ? 1u : 0u) << int(kind);
        EXPECT_EQ(game.state.Losses, before.Losses) << "the defeat step counted the loss";
    }
}

TEST_F(EndBattleTest, ALossCatchesUpLevelsAndResetsTheBand) {
    startPlaying({{4, 20}, {7, 10}});
    game.state.RosterExp[1] = 27'000;  // 30^3: ten levels behind
    game.state.RosterExp[2] = 2'000'000;
    game.state.MinLevel = 40;
    game.state.MaxLevel = 49;
    game.battle.BattleKind = 0;
    EndBattle(game);
    EXPECT_EQ(game.state.RosterLevel[1], 30);
    EXPECT_EQ(game.state.RosterLevel[2], 100);
    EXPECT_EQ(game.state.RosterExp[2], 1'000'000u);
    EXPECT_EQ(game.state.MinLevel, 2);
    EXPECT_EQ(game.state.MaxLevel, 100);
    EXPECT_TRUE(port.log.empty());
}

TEST_F(EndBattleTest, AWinLeavesLaggingLevelsAlone) {
    game.state.RosterExp[1] = 27'000;
    game.battle.BattleKind = 2;
    EndBattle(game);
    EXPECT_EQ(game.state.RosterLevel[1], 20);
}

TEST_F(EndBattleTest, ALostTournamentMatchCountsASecondLoss) {
    game.battle.InTournament = true;
    game.battle.BattleKind = 0;
    EndBattle(game);
    EXPECT_EQ(game.state.Losses, 1u);
    EXPECT_FALSE(game.battle.InTournament);
}

TEST_F(EndBattleTest, TheMainWindowReturnsToIdle) {
    ArenaModel& arena = game.screens.main.arena;
    arena.fighterGauge.colour = GaugeColour::Red;
    arena.opponentGauge.colour = GaugeColour::Yellow;
    select(kRunItem);
    GoClick(game);
    EndBattle(game);
    EXPECT_FALSE(arena.visible);
    EXPECT_FALSE(arena.endVisible);
    EXPECT_FALSE(arena.goVisible);
    EXPECT_FALSE(arena.attacksVisible);
    EXPECT_FALSE(arena.fighterGaugeVisible);
    EXPECT_FALSE(arena.fighterHpVisible);
    EXPECT_FALSE(arena.fighterLabelVisible);
    EXPECT_EQ(arena.selectedAttack, -1);
    EXPECT_EQ(arena.fighterImage, -1);
    EXPECT_EQ(arena.fighterGauge.colour, GaugeColour::Green);
    EXPECT_EQ(arena.opponentGauge.colour, GaugeColour::Green);
    EXPECT_FALSE(game.battle.InWildBattle);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::File1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Action1));
    EXPECT_TRUE(game.screens.statistics.rosterListEnabled);
    EXPECT_FALSE(game.screens.statistics.rosterListGreyed);
    EXPECT_FALSE(game.screens.statistics.itemButtonsVisible);
    EXPECT_FALSE(game.isVisible(Window::BattleLog));
    EXPECT_EQ(game.state.Losses, 0u) << "a flee is not a loss";
}

}  // namespace
}  // namespace zorikan::testing
