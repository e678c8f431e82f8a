// The victory step: experience, level-ups by battle kind, the cap at
// 1,000,000 and the prize money with its badge and Omnivar factors.

#include "battle_fixture.h"
#include "core/battle/attack.h"

namespace zorikan::testing {
namespace {

class VictoryTest : public BattleTest {
protected:
    void SetUp() override {
        auto m = FindMatchup(game.data, [](int, Multipliers x) { return x.m1 * x.m2 > 0; });
        ASSERT_TRUE(m);
        matchup = *m;
    }
    // The fighter at `level` with `exp` finishes an opponent at `oppLevel`
    // in a battle of `kind`; the prize draw is `moneyDraw`.
    void win(int level, std::uint32_t exp, int oppLevel, std::uint8_t kind, int moneyDraw = 0) {
        fight(matchup.attacker, level, matchup.defender, oppLevel);
        game.state.RosterExp[1] = exp;
        game.battle.BattleKind = kind;
        game.battle.OppHP = 1;
        select(matchup.slot - 1);
        draws({0, 10, moneyDraw});
        DoOwnAttack(game);
    }
    std::vector<std::string> afterDamage() const {
        return {port.log.begin() + 2 + (port.log[1].rfind("It", 0) == 0), port.log.end()};
    }
    Matchup matchup;
};

TEST(Experience, IsTheDifferenceOfTheCubes) {
    EXPECT_EQ(ExperienceFor(2), 7u);
    EXPECT_EQ(ExperienceFor(5), 61u);
    EXPECT_EQ(ExperienceFor(100), 29701u);
}

TEST_F(VictoryTest, AWinLogsTheFaintExperienceLevelAndPrize) {
    win(5, 125, 100, 2, 1);
    const std::string fighter = name(matchup.attacker);
    // 125 + 29,701 = 29,826 passes 31^3 = 29,791 but not 32^3: several levels, one line.
    EXPECT_EQ(afterDamage(),
              (std::vector<std::string>{"Enemy " + name(matchup.defender) + " fainted!",
                                        fighter + " gained 29701 experience points!",
                                        fighter + " grew to level 31!", "You got 500¥!"}));
    EXPECT_EQ(game.state.RosterLevel[1], 31);
    EXPECT_EQ(game.state.RosterExp[1], 29826u);
    EXPECT_EQ(game.state.Money, 500u);
    EXPECT_EQ(game.battle.BattleKind, 2) << "the kind of opponent stays for End Fight";
    EXPECT_EQ(game.state.Wins, 0u) << "End Fight counts the win";
    EXPECT_TRUE(game.screens.main.arena.endVisible);
    EXPECT_FALSE(game.screens.main.arena.goVisible);
}

TEST_F(VictoryTest, ALevelTwoOpponentGivesSevenPointsAndNoLevel) {
    win(5, 125, 2, 2);
    EXPECT_EQ(game.state.RosterExp[1], 132u);
    EXPECT_EQ(game.state.RosterLevel[1], 5);
    for (const auto& line : port.log) EXPECT_EQ(line.find("grew to level"), std::string::npos);
}

TEST_F(VictoryTest, ExperienceLandingExactlyOnTheNextLevelRaisesIt) {
    // 209 + 7 = 216 = 6^3.
    win(5, 216 - ExperienceFor(2), 2, 2);
    EXPECT_EQ(game.state.RosterExp[1], 216u);
    EXPECT_EQ(game.state.RosterLevel[1], 6);
    EXPECT_EQ(afterDamage()[2], name(matchup.attacker) + " grew to level 6!");

    port.clear();
    win(5, 215 - ExperienceFor(2), 2, 2);
    EXPECT_EQ(game.state.RosterLevel[1], 5);
}

TEST_F(VictoryTest, TheCapStopsAtLevelOneHundredEvenWithoutLevelUps) {
    for (std::uint8_t kind : {2, 13}) {
        port.clear();
        win(99, 999'000, 99, kind);
        EXPECT_EQ(game.state.RosterLevel[1], 100) << int(kind);
        EXPECT_EQ(game.state.RosterExp[1], 1'000'000u) << int(kind);
        EXPECT_EQ(afterDamage()[2], name(matchup.attacker) + " grew to level 100!");
    }
}

TEST_F(VictoryTest, AtTheCapNoLevelLineIsWritten) {
    win(100, 1'000'000, 50, 2);
    EXPECT_EQ(game.state.RosterExp[1], 1'000'000u);
    EXPECT_EQ(afterDamage().size(), 3u);
}

TEST_F(VictoryTest, TournamentMatchesAndEliteSeriesDeferLevelUps) {
    for (std::uint8_t kind : {11, 17, 67, 71, 75, 81, 85}) {
        port.clear();
        win(5, 125, 100, kind);
        EXPECT_EQ(game.state.RosterLevel[1], 5) << int(kind);
        EXPECT_EQ(game.state.RosterExp[1], 29826u) << int(kind);
    }
    for (std::uint8_t kind : {2, 3, 9, 10, 18, 68}) {
        port.clear();
        win(5, 125, 100, kind);
        EXPECT_EQ(game.state.RosterLevel[1], 31) << int(kind);
    }
}

TEST_F(VictoryTest, PrizeFactorsFollowBadgesAndOmnivar) {
    GameState s;
    const std::pair<int, std::uint32_t> badgeFactors[] = {{0, 1}, {3, 1},  {4, 2},  {7, 2},
                                                          {8, 4}, {11, 4}, {12, 6}, {24, 6}};
    for (auto [badges, factor] : badgeFactors) {
        s.BadgeCount = static_cast<std::uint8_t>(badges);
        EXPECT_EQ(MoneyFactor(s), factor) << badges;
    }
    s.OwnedFlags[150] = true;
    s.BadgeCount = 2;
    EXPECT_EQ(MoneyFactor(s), 8u);
    s.BadgeCount = 24;
    EXPECT_EQ(MoneyFactor(s), 8u);
}

TEST_F(VictoryTest, NineBadgesAndOmnivarMultiplyThePrizeByThirtyTwo) {
    const std::uint32_t expected[] = {8000, 16000, 32000};
    for (int draw = 0; draw < 3; ++draw) {
        port.clear();
        fight(matchup.attacker, 50, matchup.defender, 2);
        game.state.BadgeCount = 9;
        game.state.OwnedFlags[150] = true;
        game.state.Money = 0;
        game.battle.OppHP = 1;
        select(matchup.slot - 1);
        draws({0, 10, draw});
        DoOwnAttack(game);
        EXPECT_EQ(game.state.Money, expected[draw]);
        EXPECT_EQ(port.log.back(), "You got " + std::to_string(expected[draw]) + "¥!");
    }
}

}  // namespace
}  // namespace zorikan::testing
