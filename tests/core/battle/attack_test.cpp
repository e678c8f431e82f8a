// Attack resolution pinned draw by draw: critical roll, spread, power x level,
// the type chart, the minimum of 1, immunity and the gauge colours.

#include "core/battle/attack.h"
#include "battle_fixture.h"
#include "core/battle/turn.h"

namespace zorikan::testing {
namespace {

constexpr int kNoCritical = 0;  // Random(10) + 1 = 1
constexpr int kCritical = 9;    // Random(10) + 1 = 10

class AttackTest : public BattleTest {
protected:
    // The fighter uses slot `m.slot` of `m.attacker` at `level` on a sturdy
    // defender; returns the log of that one attack.
    std::vector<std::string> ownAttack(const Matchup& m, int level, int critical, int spreadDraw) {
        fight(m.attacker, level, m.defender, 100);
        select(m.slot - 1);
        draws({critical, spreadDraw});
        DoOwnAttack(game);
        return port.log;
    }
    std::string usedLine(const Matchup& m) {
        return name(m.attacker) + " used " + attackName(m.attacker, m.slot) + "!";
    }
    std::string damageLine(const Matchup& m, int damage) {
        return name(m.attacker) + " did " + std::to_string(damage) + " points of damage to enemy " +
               name(m.defender) + ".";
    }
};

TEST_F(AttackTest, SuperEffectiveHitOnASingleTypeDoublesTheBase) {
    // Level x power = 800 and spread 3: 3 + 8 = 11, doubled to 22.
    auto m = FindMatchup(game.data, [](int p, Multipliers x) {
        return 800 % p == 0 && 800 / p <= 100 && 800 / p >= 2 && x.m1 == 2 && x.m2 == 1;
    });
    ASSERT_TRUE(m);
    const auto log = ownAttack(*m, 800 / m->power, kNoCritical, 13);
    EXPECT_EQ(
        log, (std::vector<std::string>{usedLine(*m), "It's super effective!", damageLine(*m, 22)}));
    EXPECT_EQ(game.battle.OppHP, 1000 - 22);
    EXPECT_EQ(game.screens.main.arena.opponentHpText, "978/1000");
}

TEST_F(AttackTest, TheSpreadRunsFromMinusTenToNine) {
    // Level x power = 2000 on a plain hit: a base of 20 before the spread.
    auto m = FindMatchup(game.data, [](int p, Multipliers x) {
        return 2000 % p == 0 && 2000 / p >= 2 && 2000 / p <= 100 && x.m1 == 1 && x.m2 == 1;
    });
    ASSERT_TRUE(m);
    const std::pair<int, int> spreads[] = {{0, 10}, {10, 20}, {19, 29}};
    for (auto [draw, damage] : spreads) {
        port.clear();
        random.ranges.clear();
        const auto log = ownAttack(*m, 2000 / m->power, kNoCritical, draw);
        EXPECT_EQ(log, (std::vector<std::string>{usedLine(*m), damageLine(*m, damage)}));
        // Twenty outcomes: the draw's range itself is part of the rule.
        EXPECT_EQ(random.ranges, (std::vector<int>{10, 20})) << draw;
    }
}

TEST_F(AttackTest, AWeakHalvedHitStillDoesOnePoint) {
    // Level x power = 350, spread 0: 3.5 halved is 1.75, truncated to 1.
    auto m = FindMatchup(game.data, [](int p, Multipliers x) {
        return 350 % p == 0 && 350 / p >= 2 && 350 / p <= 100 && x.m1 == 0.5f && x.m2 == 1;
    });
    ASSERT_TRUE(m);
    const auto log = ownAttack(*m, 350 / m->power, kNoCritical, 10);
    EXPECT_EQ(log, (std::vector<std::string>{usedLine(*m), "It's not very effective...",
                                             damageLine(*m, 1)}));
}

TEST_F(AttackTest, ANegativeCriticalHitIsRaisedToOnePoint) {
    // Level x power = 175, spread -10: -8.25 doubled is -16.5, raised to 1.
    auto m = FindMatchup(game.data, [](int p, Multipliers x) {
        return 175 % p == 0 && 175 / p >= 2 && 175 / p <= 100 && x.m1 == 1 && x.m2 == 1;
    });
    ASSERT_TRUE(m);
    const auto log = ownAttack(*m, 175 / m->power, kCritical, 0);
    EXPECT_EQ(log, (std::vector<std::string>{usedLine(*m), "Critical hit!", damageLine(*m, 1)}));
}

TEST_F(AttackTest, ACriticalHitOnADoubleWeaknessHitsEightTimesAsHard) {
    auto m = FindMatchup(
        game.data, [](int p, Multipliers x) { return x.m1 == 2 && x.m2 == 2 && p * 4 < 1000; });
    ASSERT_TRUE(m);
    // Level 50 and spread 0 give a base of power / 2.
    const auto log = ownAttack(*m, 50, kCritical, 10);
    EXPECT_EQ(log, (std::vector<std::string>{usedLine(*m), "Critical hit!", "It's super effective!",
                                             damageLine(*m, 4 * m->power)}));
}

TEST_F(AttackTest, DoubleAndHalfCancelWithoutALine) {
    auto m = FindMatchup(game.data, [](int, Multipliers x) {
        return (x.m1 == 2 && x.m2 == 0.5f) || (x.m1 == 0.5f && x.m2 == 2);
    });
    ASSERT_TRUE(m);
    // Level 100 and spread 0: the base is the power, and stays so.
    const auto log = ownAttack(*m, 100, kNoCritical, 10);
    EXPECT_EQ(log, (std::vector<std::string>{usedLine(*m), damageLine(*m, m->power)}));
}

TEST_F(AttackTest, AnImmuneDefenderTakesNothing) {
    auto m = FindMatchup(game.data, [](int, Multipliers x) { return x.m1 == 0 || x.m2 == 0; });
    ASSERT_TRUE(m);
    const auto log = ownAttack(*m, 100, kCritical, 19);
    EXPECT_EQ(log, (std::vector<std::string>{usedLine(*m), "Critical hit!",
                                             "It doesn't affect " + name(m->defender) + "!",
                                             damageLine(*m, 0)}));
    EXPECT_EQ(game.battle.OppHP, 1000);
    EXPECT_EQ(game.screens.main.arena.opponentGauge.colour, GaugeColour::Green);
}

TEST(HpColour, TurnsYellowAtHalfAndRedAtAQuarter) {
    EXPECT_EQ(HpColour(26, 50), GaugeColour::Green);
    EXPECT_EQ(HpColour(25, 50), GaugeColour::Yellow);
    EXPECT_EQ(HpColour(26, 100), GaugeColour::Yellow);
    EXPECT_EQ(HpColour(25, 100), GaugeColour::Red);
    EXPECT_EQ(HpColour(0, 20), GaugeColour::Red);
}

TEST_F(AttackTest, TheOpponentStrikesWithADrawnAttackAndCanTakeTheLastHp) {
    // The opponent (level 100) against a level-2 fighter always finishes it.
    auto m = FindMatchup(game.data,
                         [](int p, Multipliers x) { return x.m1 == 1 && x.m2 == 1 && p >= 30; });
    ASSERT_TRUE(m);
    fight(m->defender, 2, m->attacker, 100);
    game.state.Money = 7;
    const std::uint32_t fights = game.state.Fights;
    draws({m->slot - 1, kNoCritical, 10});
    DoOppAttack(game);
    const std::string fighter = name(m->defender);
    EXPECT_EQ(port.log,
              (std::vector<std::string>{
                  "Enemy " + name(m->attacker) + " used " + attackName(m->attacker, m->slot) + "!",
                  "Enemy " + name(m->attacker) + " did " + std::to_string(m->power) +
                      " points of damage to " + fighter + ".",
                  fighter + " fainted!", "You lost 4¥!"}));
    EXPECT_EQ(game.battle.OwnHP, 0);
    EXPECT_EQ(game.screens.main.arena.fighterHpText, "0/20");
    EXPECT_EQ(game.screens.main.arena.fighterGauge.colour, GaugeColour::Red);
    EXPECT_EQ(game.state.Money, 3u);
    EXPECT_EQ(game.state.Losses, 1u);
    EXPECT_EQ(game.state.Fights, fights) << "a lost battle counts as one fight";
    EXPECT_EQ(game.battle.BattleKind, 0);
    EXPECT_TRUE(game.screens.main.arena.endVisible);
    EXPECT_FALSE(game.screens.main.arena.goVisible);
    EXPECT_FALSE(game.screens.statistics.itemButtonsVisible);
}

TEST_F(AttackTest, ADefeatWithNoMoneyLosesNothing) {
    auto m = FindMatchup(game.data,
                         [](int p, Multipliers x) { return x.m1 == 1 && x.m2 == 1 && p >= 30; });
    ASSERT_TRUE(m);
    fight(m->defender, 2, m->attacker, 100);
    draws({m->slot - 1, kNoCritical, 10});
    DoOppAttack(game);
    EXPECT_EQ(port.log.back(), "You lost 0¥!");
    EXPECT_EQ(game.state.Money, 0u);
}

}  // namespace
}  // namespace zorikan::testing
