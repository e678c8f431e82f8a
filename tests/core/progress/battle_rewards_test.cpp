// What a won battle earns at "End Fight": badges in order with the regions'
// bonuses, and the first wins that give a Master Ball or a creature and open
// the next opponents. A load opens the same items the wins opened.

#include "core/progress/battle_rewards.h"

#include <gtest/gtest.h>

#include <limits>

#include <map>

#include "core/model/menu_layout.h"
#include "core/progress/opponent_menus.h"
#include "core/progress/opponents.h"
#include "core/shared/saturating.h"
#include "progress_fixture.h"

namespace zorikan::testing {
namespace {

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();

class BattleRewardsTest : public ProgressTest {
protected:
    void SetUp() override { startPlaying({{4, 100}, {7, 100}}); }

    void beat(MenuItem item) {
        FightOpponent(game, *FindOpponent(item));
        sendOut(1);
        port.clear();
        winTurn();
        EndBattle(game);
    }
    // Progress as a saved game holds it, with the menus it opens.
    void progress(int badges) {
        game.state.BadgeCount = static_cast<std::uint8_t>(badges);
        MenusEnabledAtLoad(game);
    }
    // The menus a saved game of the same progress opens after loading.
    void expectLoadOpensTheSameItems() {
        Game loaded{game.data, port, random};
        loaded.state = game.state;
        MenusEnabledAtLoad(loaded);
        for (const MenuEntry& entry : MainMenuLayout()) {
            if (entry.item == MenuItem::Action1 || entry.item == MenuItem::File1) continue;
            EXPECT_EQ(loaded.screens.menus.isEnabled(entry.item),
                      game.screens.menus.isEnabled(entry.item))
                << entry.item << " with " << int(game.state.BadgeCount) << " badges";
        }
    }
};

TEST_F(BattleRewardsTest, EveryLeaderInTurnGivesItsBadgeAndOpensTheNext) {
    std::vector<MenuItem> leaders;
    for (const Opponent& o : Opponents())
        if (o.rule == KindRule::Leader) leaders.push_back(o.item);
    const std::map<int, std::pair<std::uint32_t, std::string>> bonuses{
        {8,
         {2500,
          "You beat Roderic, the final Aldmark leader! You can now battle the Grand Four! Also, "
          "you get a 2500¥ bonus!"}},
        {16,
         {3000,
          "You beat Vesper, the final Brennar leader! You can now battle Kell! Also, you get a "
          "3000¥ bonus!"}},
        {24,
         {5000,
          "You beat Marius, the final Cyrelle leader! You can now battle the Lowland and Coastal "
          "Elites! Also, you get a 5000¥ bonus!"}}};
    for (int badge = 1; badge <= 24; ++badge) {
        // The Brennar and Cyrelle submenus open through wins, not badges.
        if (badge == 9) {
            game.state.GrandFourChampionBeaten = true;
            game.screens.menus.enable(MenuItem::BrennarGymLeaders1);
        }
        if (badge == 17) {
            game.state.KellBeaten = game.state.MeBeaten = true;
            for (auto item : {MenuItem::Me1, MenuItem::Omnivar1, MenuItem::CyrelleGymLeaders1})
                game.screens.menus.enable(item);
        }
        ASSERT_TRUE(game.screens.menus.isEnabled(leaders[badge - 1])) << leaders[badge - 1];
        const std::uint32_t money = game.state.Money;
        const std::uint32_t prize = 250 * MoneyFactor(game.state);  // the scripted draw gives 250
        beat(leaders[badge - 1]);
        EXPECT_EQ(game.state.BadgeCount, badge);
        std::vector<std::string> expected{"You earned the " + game.data.BadgeNames[badge] + "!"};
        const auto bonus = bonuses.find(badge);
        if (bonus != bonuses.end()) expected.push_back(bonus->second.second);
        EXPECT_EQ(boxes().back(), expected.back());
        EXPECT_EQ(boxes()[boxes().size() - expected.size()], expected.front());
        const std::uint32_t bonusMoney = bonus != bonuses.end() ? bonus->second.first : 0;
        EXPECT_EQ(game.state.Money - money, prize + bonusMoney) << badge;
        const auto next = MenuItemForBadge(game.state.BadgeCount);
        ASSERT_TRUE(next.has_value()) << badge;
        EXPECT_TRUE(game.screens.menus.isEnabled(*next));
        expectLoadOpensTheSameItems();
    }
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::GrandFour1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Kell1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Elites1));
    EXPECT_EQ(game.state.Wins, 24u);
}

TEST_F(BattleRewardsTest, AnEarlierLeaderAgainIsAnOrdinaryWin) {
    game.state.BadgeCount = 3;
    beat(MenuItem::Dorn1);
    EXPECT_EQ(game.state.BadgeCount, 3);
    EXPECT_EQ(game.state.Wins, 1u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(BattleRewardsTest, TheEighthBadgeOpensTheGrandFourBeforeTheBonusBox) {
    game.state.BadgeCount = 7;
    game.screens.menus.enable(MenuItem::Roderic1);
    bool openAtBonus = false;
    std::uint32_t moneyAtBonus = 0;
    port.onBox = [&](const Shown& box) {
        if (box.text.find("2500¥ bonus") != std::string::npos) {
            openAtBonus = game.screens.menus.isEnabled(MenuItem::GrandFour1);
            moneyAtBonus = game.state.Money;
        }
    };
    beat(MenuItem::Roderic1);
    EXPECT_TRUE(openAtBonus);
    EXPECT_EQ(game.state.Money - moneyAtBonus, 2500u) << "the bonus is paid after its box";
}

TEST_F(BattleRewardsTest, BonusesStopAtTheMoneyLimit) {
    game.state.BadgeCount = 23;
    game.state.Money = kMax32 - 1000;
    beat(MenuItem::Marius1);
    EXPECT_EQ(game.state.Money, kMax32);
    EXPECT_EQ(game.state.BadgeCount, 24);
}

TEST_F(BattleRewardsTest, TheFirstHighlandChampionWinGivesAMasterBallOnce) {
    game.state.MasterBalls = 2;
    game.battle.BattleKind = kHighlandChampion;
    EndBattle(game);
    EXPECT_TRUE(game.state.GrandFourChampionBeaten);
    EXPECT_EQ(game.state.MasterBalls, 3u);
    EXPECT_EQ(boxes(), (std::vector<std::string>{
                           "You beat Caspian, the Grand Four champion! You can now battle the "
                           "Brennar Gym Leaders! Also, you get a Master Ball!",
                           "This Ball will catch any ZORIKAN at any HP. Use it wisely."}));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::BrennarGymLeaders1));
    expectLoadOpensTheSameItems();

    port.clear();
    game.battle.BattleKind = kHighlandChampion;
    EndBattle(game);
    EXPECT_EQ(game.state.MasterBalls, 3u);
    EXPECT_TRUE(boxes().empty());
}

TEST_F(BattleRewardsTest, TheChampionsMasterBallStopsAtTheCountsLimit) {
    game.state.MasterBalls = kMax32;
    game.battle.BattleKind = kHighlandChampion;
    EndBattle(game);
    EXPECT_TRUE(game.state.GrandFourChampionBeaten);
    EXPECT_EQ(game.state.MasterBalls, kMax32);
}

TEST_F(BattleRewardsTest, AfterATrainerBattleADoubleClickOnlyShowsTheCreature) {
    beat(MenuItem::Tavrin1);
    EXPECT_FALSE(game.battle.InTrainerBattle);
    port.clear();
    RosterDoubleClick(game, 0);  // a question here would fail the scripted player
    EXPECT_EQ(port.boxes(Shown::Question), std::vector<std::string>{});
    EXPECT_EQ(game.state.Fights, 1u);
    EXPECT_FALSE(game.screens.main.arena.visible);
    EXPECT_FALSE(game.screens.main.arena.goVisible);
}

TEST_F(BattleRewardsTest, KellGivesItsCreatureOnceAndOpensMe) {
    progress(16);
    beat(MenuItem::Kell1);
    EXPECT_EQ(boxes(), std::vector<std::string>{"You beat Kell! You can now battle me! Also, you "
                                                "get a " +
                                                name(251) + " at L.5!"});
    EXPECT_TRUE(game.state.KellBeaten);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Me1));
    ASSERT_EQ(game.screens.statistics.rosterCount(), 3);
    EXPECT_EQ(game.state.RosterSpecies[3], 251);
    EXPECT_EQ(game.state.RosterLevel[3], 5);
    EXPECT_EQ(game.screens.statistics.rosterList[2].caption, name(251));
    expectLoadOpensTheSameItems();

    beat(MenuItem::Kell1);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(game.screens.statistics.rosterCount(), 3);
    EXPECT_EQ(game.state.Wins, 2u);
}

TEST_F(BattleRewardsTest, MeGivesItsCreatureOnceAndOpensOmnivarAndCyrelle) {
    game.state.KellBeaten = true;
    progress(16);
    beat(MenuItem::Me1);
    EXPECT_EQ(boxes(),
              std::vector<std::string>{
                  "You beat me! You can now battle and/or catch Omnivar! You can also fight the "
                  "Cyrelle Gym Leaders! And as if that wasn't enough, you also get a " +
                  name(151) + " at L.10!"});
    EXPECT_TRUE(game.state.MeBeaten);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Omnivar1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::CyrelleGymLeaders1));
    EXPECT_EQ(game.state.RosterSpecies[3], 151);
    EXPECT_EQ(game.state.RosterLevel[3], 10);
    EXPECT_EQ(game.state.RosterExp[3], 1000u);
    expectLoadOpensTheSameItems();

    beat(MenuItem::Me1);
    EXPECT_TRUE(boxes().empty());
    EXPECT_EQ(game.screens.statistics.rosterCount(), 3);
}

TEST_F(BattleRewardsTest, AGiftForAFullRosterIsAnnouncedAndNothingIsWrittenPastTheEnd) {
    auto& list = game.screens.statistics.rosterList;
    while (list.size() < static_cast<std::size_t>(kRosterSlots)) {
        const int slot = static_cast<int>(list.size()) + 1;
        game.state.RosterSpecies[slot] = 7;
        game.state.RosterLevel[slot] = 5;
        list.push_back({name(7), 6});
    }
    const std::vector<std::int32_t> speciesBefore = game.state.RosterSpecies;
    game.state.KellBeaten = true;
    beat(MenuItem::Me1);
    EXPECT_EQ(port.boxes(Shown::Warning),
              std::vector<std::string>{"Your roster is full: it already holds 10000 ZORIKAN, so "
                                       "there is no room for the " +
                                       name(151) + "."});
    EXPECT_EQ(game.state.RosterSpecies, speciesBefore);
    EXPECT_EQ(game.state.RosterSpecies.size(), static_cast<std::size_t>(kRosterSlots) + 1);
    EXPECT_EQ(game.screens.statistics.rosterCount(), kRosterSlots);
    // The win still counts for everything else.
    EXPECT_TRUE(game.state.MeBeaten);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Omnivar1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::CyrelleGymLeaders1));
    EXPECT_EQ(boxes().size(), 1u);
}

TEST_F(BattleRewardsTest, CountersStopAtTheirLimit) {
    game.state.Wins = kMax32;
    game.state.Catches = kMax32;
    game.state.Losses = kMax32;
    game.state.Fights = kMax32;
    beat(MenuItem::Tavrin1);
    EXPECT_EQ(game.state.Wins, kMax32);
    EXPECT_EQ(game.state.Fights, kMax32);
    game.battle.BattleKind = 1;
    EndBattle(game);
    EXPECT_EQ(game.state.Catches, kMax32);
    FightOpponent(game, *FindOpponent(MenuItem::Tavrin1));
    game.battle.InTournament = true;  // a lost match counts a second loss
    loseWith(1);
    EXPECT_EQ(game.state.Losses, kMax32);
}

}  // namespace
}  // namespace zorikan::testing
