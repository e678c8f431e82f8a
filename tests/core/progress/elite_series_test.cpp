// The Grand Four series: five battles in a row, each won member bringing on
// the next at once, the champion's rewards, and a loss that ends the series.

#include "core/progress/elite_series.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/progress/opponents.h"
#include "core/shared/saturating.h"
#include "progress_fixture.h"

namespace zorikan::testing {
namespace {

constexpr std::uint32_t kMax32 = std::numeric_limits<std::uint32_t>::max();

struct Member {
    std::string trainer;
    int species, level, kind;
};

class EliteSeriesTest : public ProgressTest {
protected:
    void SetUp() override {
        startPlaying({{4, 100}});
        game.state.BadgeCount = 24;
    }
    // The opponent now in the arena, as the log and the battle show it.
    Member current() const {
        EXPECT_GE(port.log.size(), 2u);
        const std::string first = port.log.empty() ? "" : port.log[0];
        return {first.substr(0, first.find(" wants to fight!")), game.battle.OppSpecies,
                game.battle.OppLevel, game.battle.BattleKind};
    }
    // Wins the current battle; the boxes End Fight showed.
    std::vector<std::string> winCurrent() {
        sendOut(1);
        winTurn();
        port.shown.clear();
        EndBattle(game);
        return boxes();
    }
};

bool operator==(const Member& a, const Member& b) {
    return a.trainer == b.trainer && a.species == b.species && a.level == b.level &&
           a.kind == b.kind;
}
void PrintTo(const Member& m, std::ostream* os) {
    *os << m.trainer << " " << m.species << " L." << m.level << " kind " << m.kind;
}

TEST_F(EliteSeriesTest, TheHighlandSeriesRunsThroughFiveBattlesToItsChampion) {
    game.state.MasterBalls = 0;
    FightOpponent(game, *FindOpponent(MenuItem::GrandFour1));
    EXPECT_EQ(current(), (Member{"Ansel", 178, 40, 4}));
    const std::vector<std::pair<std::string, Member>> chain{
        {"Congratulations! You beat Ansel! Your next opponent is Ishmar.", {"Ishmar", 205, 43, 5}},
        {"Congratulations! You beat Ishmar! Your next opponent is Torvald.",
         {"Torvald", 95, 43, 6}},
        {"Congratulations! You beat Torvald! Your next opponent is Delphine.",
         {"Delphine", 94, 45, 7}},
        {"You have proven your worth against the Highland Grand Four. Now, it is time for you to "
         "fight the Highland Grand Four Champion: Caspian!",
         {"Caspian", 149, 50, 8}},
    };
    for (const auto& [box, next] : chain) {
        const auto shown = winCurrent();
        ASSERT_EQ(shown.size(), 2u);  // the announcement, then the note of the next battle
        EXPECT_EQ(shown[0], box);
        EXPECT_TRUE(game.screens.main.arena.visible);
        EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::Action1));
        EXPECT_EQ(current(), next);
    }
    const auto shown = winCurrent();
    EXPECT_EQ(shown.front(),
              "You beat Caspian, the Grand Four champion! You can now battle the Brennar Gym "
              "Leaders! Also, you get a Master Ball!");
    EXPECT_FALSE(game.screens.main.arena.visible) << "the champion ends the series";
    EXPECT_EQ(game.state.Wins, 5u);
    EXPECT_EQ(game.state.MasterBalls, 1u);
    EXPECT_TRUE(game.state.GrandFourChampionBeaten);

    // Once the Brennar leaders are open, the champion is an ordinary win.
    FightOpponent(game, *FindOpponent(MenuItem::GrandFour1));
    for (int member = 1; member <= 3; ++member) winCurrent();
    winCurrent();
    EXPECT_EQ(current(), (Member{"Caspian", 149, 50, 2}));
    EXPECT_TRUE(winCurrent().empty());
    EXPECT_EQ(game.state.MasterBalls, 1u);
    EXPECT_EQ(game.state.Wins, 10u);
}

TEST_F(EliteSeriesTest, ALossEndsTheSeriesAndTheMenuStartsAgainWithTheFirstMember) {
    FightOpponent(game, *FindOpponent(MenuItem::GrandFour1));
    winCurrent();
    winCurrent();
    ASSERT_EQ(current().trainer, "Torvald");
    sendOut(1);
    loseTurn();
    port.clear();
    EndBattle(game);
    EXPECT_TRUE(port.shown.size() == 1 && port.shown[0].kind == Shown::HideWindow)
        << "only the battle log closes";
    EXPECT_FALSE(game.screens.main.arena.visible);
    EXPECT_EQ(game.battle.BattleKind, 0);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Action1));

    FightOpponent(game, *FindOpponent(MenuItem::GrandFour1));
    EXPECT_EQ(current(), (Member{"Ansel", 178, 40, 4}));
}

TEST_F(EliteSeriesTest, TheOtherElitesPayTheirChampionBonusEveryTimeAndTheGiftOnce) {
    struct Series {
        MenuItem item;
        std::vector<Member> members;
        std::vector<std::string> memberBoxes;  // after members 1..4
        std::string championBox;
        int gift;
        bool GameState::*given;
    };
    const Series all[] = {
        {MenuItem::LowlandGrandFour1,
         {{"Halla", 131, 100, 71},
          {"Torvald", 95, 100, 72},
          {"Hester", 94, 100, 73},
          {"Caspian", 149, 100, 74},
          {"Roderic", 65, 100, 75}},
         {"Congratulations! You beat Halla! Your next opponent is Torvald.",
          "Congratulations! You beat Torvald! Your next opponent is Hester.",
          "Congratulations! You beat Hester! Your next opponent is Caspian.",
          "You have proven your worth against the Lowland Grand Four. Now, it is time for you to "
          "fight the Lowland Grand Four Champion: Roderic!"},
         "You beat Roderic, the Lowland Grand Four champion! You get a bonus of 7500¥!",
         385,
         &GameState::Gift385Given},
        {MenuItem::CoastalGrandFour1,
         {{"Jarek", 262, 100, 81},
          {"Oona", 354, 100, 82},
          {"Nivala", 365, 100, 83},
          {"Balfour", 330, 100, 84},
          {"Aurelio", 376, 100, 85}},
         {"Congratulations! You beat Jarek! Your next opponent is Oona.",
          "Congratulations! You beat Oona! Your next opponent is Nivala.",
          "Congratulations! You beat Nivala! Your next opponent is Balfour.",
          "You have proven your worth against the Coastal Grand Four. Now, it is time for you to "
          "fight the Coastal Grand Four Champion: Aurelio!"},
         "You beat Aurelio, the Coastal Grand Four champion! You get a bonus of 7500¥!",
         386,
         &GameState::Gift386Given},
    };
    for (const Series& series : all) {
        for (int round = 1; round <= 2; ++round) {
            FightOpponent(game, *FindOpponent(series.item));
            for (std::size_t m = 0; m + 1 < series.members.size(); ++m) {
                EXPECT_EQ(current(), series.members[m]);
                const auto shown = winCurrent();
                ASSERT_FALSE(shown.empty());
                EXPECT_EQ(shown[0], series.memberBoxes[m]);
            }
            EXPECT_EQ(current(), series.members.back());
            const int rosterBefore = game.screens.statistics.rosterCount();
            game.state.Money = 0;
            // The bonus is paid once the player has read of it.
            std::uint32_t moneyAtBox = 0;
            port.onBox = [&](const Shown& box) {
                if (box.text == series.championBox) moneyAtBox = game.state.Money;
            };
            const auto shown = winCurrent();
            port.onBox = nullptr;
            EXPECT_EQ(game.state.Money - moneyAtBox, 7500u);
            ASSERT_FALSE(shown.empty());
            EXPECT_EQ(shown[0], series.championBox);
            // 7500 on top of the victory step's prize of 250 x 8 (Omnivar is not registered).
            EXPECT_EQ(game.state.Money, 7500u + 250u * MoneyFactor(game.state));
            EXPECT_TRUE(game.state.*series.given);
            if (round == 1) {
                EXPECT_EQ(shown, (std::vector<std::string>{
                                     series.championBox,
                                     "Also, you get a " + name(series.gift) + " at L.5!"}));
                EXPECT_EQ(game.state.RosterSpecies[rosterBefore + 1], series.gift);
                EXPECT_EQ(game.state.RosterLevel[rosterBefore + 1], 5);
            } else {
                EXPECT_EQ(shown.size(), 1u);
                EXPECT_EQ(game.screens.statistics.rosterCount(), rosterBefore);
            }
        }
    }
}

TEST_F(EliteSeriesTest, TheChampionBonusStopsAtTheMoneyLimit) {
    game.battle.BattleKind = kLowlandChampion;
    game.state.Gift385Given = true;
    game.state.Money = kMax32 - 7000;
    EndBattle(game);
    EXPECT_EQ(game.state.Money, kMax32);
}

TEST_F(EliteSeriesTest, StepsAreCheckedFromTheHighestKindDown) {
    const auto steps = SeriesSteps();
    ASSERT_EQ(steps.size(), 12u);
    for (std::size_t i = 1; i < steps.size(); ++i)
        EXPECT_GT(steps[i - 1].wonKind, steps[i].wonKind);
    for (const SeriesStep& step : steps) EXPECT_EQ(step.nextKind, step.wonKind + 1);
}

}  // namespace
}  // namespace zorikan::testing
