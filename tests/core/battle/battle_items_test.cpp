// Balls and potions in battle: the catch thresholds, the Master Ball, the
// potions' caps, and who gets the next turn.

#include "core/battle/battle_items.h"
#include "battle_fixture.h"
#include "core/collection/item_buttons.h"
#include "core/progress/end_battle.h"

namespace zorikan::testing {
namespace {

class BattleItemsTest : public BattleTest {
protected:
    void SetUp() override {
        // A matchup where the opponent's attacks are all blocked would hide
        // its turn; take a plain one both ways.
        auto m = FindMatchup(game.data,
                             [](int p, Multipliers x) { return x.m1 * x.m2 == 1 && p <= 60; });
        ASSERT_TRUE(m);
        fighter = m->defender;
        opponent = m->attacker;
        opponentSlot = m->slot;
    }
    void start(int fighterLevel, int opponentLevel) {
        fight(fighter, fighterLevel, opponent, opponentLevel);
        game.state.ZoriBalls = game.state.GreatBalls = game.state.UltraBalls = 2;
        game.state.MasterBalls = game.state.Potions = game.state.SuperPotions = 2;
        ShowButtons(game);
        random.ranges.clear();
    }
    // The opponent's answer: its attack slot, no critical, spread 0.
    void opponentTurn() { draws({opponentSlot - 1, 0, 10}); }
    bool opponentAttacked() const {
        for (const auto& line : port.log)
            if (line.rfind("Enemy " + name(opponent) + " used ", 0) == 0) return true;
        return false;
    }
    int fighter = 0, opponent = 0, opponentSlot = 0;
};

TEST(BallCatches, NeedsTwoMoreThanTheHpLeft) {
    EXPECT_TRUE(BallCatches(49, 47));
    EXPECT_FALSE(BallCatches(48, 47));
    for (int r = 0; r < 50; ++r) EXPECT_FALSE(BallCatches(r, 48)) << r;
    EXPECT_TRUE(BallCatches(99, 97));
    EXPECT_TRUE(BallCatches(249, 247));
    EXPECT_FALSE(BallCatches(249, 248));
}

TEST_F(BattleItemsTest, EachBallCatchesAtItsHighestHp) {
    const std::pair<ItemButton, int> balls[] = {
        {ZoriBallButton, 47}, {GreatBallButton, 97}, {UltraBallButton, 247}};
    const char* lines[] = {"You threw a ZORIBall.", "You threw a Great Ball.",
                           "You threw an Ultra Ball."};
    for (int i = 0; i < 3; ++i) {
        start(50, 30);
        game.battle.OppHP = balls[i].second;
        const int limit = i == 0 ? 50 : i == 1 ? 100 : 250;
        draws({limit - 1});
        UseItem(game, balls[i].first);
        EXPECT_EQ(random.ranges, std::vector<int>{limit}) << "one draw over the ball's limit";
        EXPECT_EQ(port.log[0], lines[i]);
        EXPECT_EQ(port.log[1], "You caught " + name(opponent) + "!");
        EXPECT_FALSE(opponentAttacked());
        EXPECT_EQ(game.battle.BattleKind, 1);
        EXPECT_EQ(game.screens.statistics.rosterCount(), 2);
        EXPECT_EQ(game.state.RosterSpecies[2], opponent);
        EXPECT_EQ(game.state.RosterLevel[2], 30);
        EXPECT_TRUE(game.screens.main.arena.endVisible);
        EXPECT_FALSE(game.screens.main.arena.goVisible);
        EXPECT_FALSE(game.screens.statistics.itemButtonsVisible);
    }
}

TEST_F(BattleItemsTest, AFailedBallGivesTheOpponentItsTurnAndTheLastBallDisablesItsButton) {
    start(50, 30);
    game.state.ZoriBalls = 1;
    game.battle.OppHP = 48;
    draws({49});
    opponentTurn();
    UseItem(game, ZoriBallButton);
    EXPECT_EQ(port.log[1], "Sorry, " + name(opponent) + " wasn't caught.");
    EXPECT_TRUE(opponentAttacked());
    EXPECT_EQ(game.state.ZoriBalls, 0u);
    EXPECT_FALSE(game.screens.statistics.itemButtonEnabled[ZoriBallButton]);
    port.clear();
    UseItem(game, ZoriBallButton);
    EXPECT_TRUE(port.log.empty()) << "a disabled button does nothing";
}

TEST_F(BattleItemsTest, TheMasterBallCatchesAtFullHpWithoutAnAnswer) {
    start(50, 100);
    UseItem(game, MasterBallButton);
    EXPECT_EQ(port.log[0], "You threw a Master Ball.");
    EXPECT_EQ(port.log[1], "You caught " + name(opponent) + "!");
    EXPECT_EQ(game.state.MasterBalls, 1u);
    EXPECT_EQ(game.battle.BattleKind, 1);
    EXPECT_EQ(game.state.RosterLevel[2], 100);
    EndBattle(game);
    EXPECT_EQ(game.state.Catches, 1u);
    EXPECT_EQ(game.state.Wins, 0u);
}

TEST_F(BattleItemsTest, APotionAtFullHpIsNotUsed) {
    start(5, 30);
    UseItem(game, PotionButton);
    EXPECT_EQ(port.log, std::vector<std::string>{"It won't have any effect."});
    EXPECT_EQ(game.state.Potions, 2u);
}

TEST_F(BattleItemsTest, APotionRestoresItsAmountUpToTheMaximumThenTheOpponentAttacks) {
    struct Drink {
        ItemButton button;
        int level, hp, restored;
    };
    const Drink drinks[] = {
        {PotionButton, 5, 35, 15},        // capped at 50
        {SuperPotionButton, 6, 1, 59},    // capped at 60
        {PotionButton, 10, 20, 50},       // the whole amount, below 100
        {SuperPotionButton, 20, 40, 100}  // the whole amount, below 200
    };
    for (const Drink& d : drinks) {
        SCOPED_TRACE(d.level);
        start(d.level, 2);
        game.battle.OwnHP = d.hp;
        opponentTurn();
        UseItem(game, d.button);
        EXPECT_EQ(port.log[0], name(fighter) + " recovered " + std::to_string(d.restored) + " HP!");
        EXPECT_TRUE(opponentAttacked());
        EXPECT_EQ(d.button == PotionButton ? game.state.Potions : game.state.SuperPotions, 1u);
        EXPECT_LT(game.battle.OwnHP, d.hp + d.restored) << "the opponent's attack follows";
    }
}

}  // namespace
}  // namespace zorikan::testing
