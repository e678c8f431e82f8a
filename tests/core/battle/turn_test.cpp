// "Go!" and "Run!" in each kind of battle, and the tournament-quit penalty
// with its level-down, whether by running or by closing the main window.

#include "core/battle/turn.h"
#include "battle_fixture.h"

namespace zorikan::testing {
namespace {

class TurnTest : public BattleTest {
protected:
    void SetUp() override {
        auto m = FindMatchup(game.data,
                             [](int p, Multipliers x) { return x.m1 * x.m2 == 1 && p <= 100; });
        ASSERT_TRUE(m);
        matchup = *m;
    }
    // A trainer battle with the creature of slot 1 as the fighter.
    void trainerFight(int level, std::uint32_t exp, bool tournament) {
        startPlaying({{matchup.attacker, level}});
        game.state.RosterExp[1] = exp;
        game.battle.InTournament = tournament;
        StartTrainerBattle(game, matchup.defender, 50, "Tavrin");
        game.battle.BattleKind = tournament ? 11 : 2;
        ConfirmFighter(game, 1, matchup.attacker);
        port.clear();
    }
    Matchup matchup;
};

TEST_F(TurnTest, RunningFromAWildBattleAlwaysWorksAndCostsNoTurn) {
    fight(matchup.attacker, 10, matchup.defender, 10);
    select(kRunItem);
    GoClick(game);  // no draws scripted: the opponent must not attack
    EXPECT_EQ(port.log, std::vector<std::string>{"Got away safely!"});
    EXPECT_EQ(game.battle.BattleKind, 0);
    EXPECT_TRUE(game.screens.main.arena.endVisible);
    EXPECT_FALSE(game.screens.main.arena.goVisible);
    EXPECT_FALSE(game.screens.statistics.itemButtonsVisible);
    GoClick(game);
    EXPECT_EQ(port.log.size(), 1u) << "Go! is gone once the battle is over";
}

TEST_F(TurnTest, ATrainerWillNotLetYouRunButTheBattleGoesOn) {
    trainerFight(100, 1'000'000, false);
    select(kRunItem);
    GoClick(game);
    GoClick(game);
    const std::string refusal = "No! There's no running from a trainer battle!";
    EXPECT_EQ(port.log, (std::vector<std::string>{refusal, refusal}));
    EXPECT_EQ(game.battle.BattleKind, 2);
    EXPECT_TRUE(game.screens.main.arena.goVisible);
    EXPECT_FALSE(game.screens.main.arena.endVisible);

    // An attack turn: the fighter, then the opponent's drawn attack.
    select(matchup.slot - 1);
    draws({0, 10, 0, 0, 10});
    GoClick(game);
    EXPECT_TRUE(random.draws.empty());
    EXPECT_EQ(port.log[2],
              name(matchup.attacker) + " used " + attackName(matchup.attacker, matchup.slot) + "!");
    EXPECT_EQ(port.log.back().rfind("Enemy " + name(matchup.defender) + " did ", 0), 0u);
}

TEST_F(TurnTest, NothingSelectedDoesNothing) {
    fight(matchup.attacker, 10, matchup.defender, 10);
    GoClick(game);
    EXPECT_TRUE(port.shown.empty());
}

TEST_F(TurnTest, AFaintedOpponentDoesNotStrikeBack) {
    fight(matchup.attacker, 10, matchup.defender, 10);
    game.battle.OppHP = 1;
    select(matchup.slot - 1);
    draws({0, 10, 0});  // the attack and the prize draw only
    GoClick(game);
    EXPECT_TRUE(random.draws.empty());
    EXPECT_EQ(port.log.back().rfind("You got ", 0), 0u);
}

struct PenaltyCase {
    int level;
    std::uint32_t exp, lost, expAfter;
    int levelAfter;
};

TEST_F(TurnTest, QuittingATournamentCostsFivePercentRoundedHalfUp) {
    const PenaltyCase cases[] = {
        {2, 9, 0, 9, 2},   {2, 10, 1, 9, 2},       {2, 29, 1, 28, 2},
        {2, 30, 2, 28, 2}, {10, 1000, 50, 950, 9}, {100, 1'000'000, 50'000, 950'000, 98},
    };
    for (const PenaltyCase& c : cases) {
        trainerFight(c.level, c.exp, true);
        select(kRunItem);
        GoClick(game);
        const std::string fighter = name(matchup.attacker);
        std::vector<std::string> expected{"Quit the tournament! " + fighter + " lost " +
                                          std::to_string(c.lost) + " experience points!"};
        for (int l = c.level; l > c.levelAfter; --l) expected.push_back(fighter + " lost a level!");
        EXPECT_EQ(port.log, expected) << c.exp;
        EXPECT_EQ(game.state.RosterExp[1], c.expAfter);
        EXPECT_EQ(game.state.RosterLevel[1], c.levelAfter);
        EXPECT_EQ(game.battle.BattleKind, 0);
        EXPECT_FALSE(game.battle.InTournament);
        EXPECT_TRUE(game.screens.main.arena.endVisible);
        EXPECT_FALSE(game.screens.main.arena.goVisible);
    }
}

TEST_F(TurnTest, ClosingTheMainWindowQuitsOnlyATournament) {
    trainerFight(10, 1000, false);
    ClosingMainWindow(game);
    EXPECT_TRUE(port.log.empty());
    EXPECT_EQ(game.state.RosterExp[1], 1000u);

    trainerFight(10, 1000, true);
    ClosingMainWindow(game);
    EXPECT_EQ(port.log.size(), 2u);
    EXPECT_EQ(game.state.RosterExp[1], 950u);
    EXPECT_EQ(game.state.RosterLevel[1], 9);
    EXPECT_FALSE(game.battle.InTournament);
}

}  // namespace
}  // namespace zorikan::testing
