// The statistics window: counters, win percentage, item buttons and the
// statistics message of a creature.

#include <gtest/gtest.h>

#include "core/battle/fighter_choice.h"
#include "core/collection/item_buttons.h"
#include "core/collection/roster.h"
#include "core/collection/statistics.h"
#include "core/game/freshen.h"
#include "game_fixture.h"

namespace zorikan {
namespace {

using testing::GameTest;
using testing::Shown;

TEST(WinPercentage, IsTruncatedToTwoDecimalsWithoutTrailingZeros) {
    EXPECT_EQ(WinPercentage(2, 1), "66.66");
    EXPECT_EQ(WinPercentage(1, 2), "33.33");
    EXPECT_EQ(WinPercentage(39, 11), "78");
    EXPECT_EQ(WinPercentage(1, 1), "50");
    EXPECT_EQ(WinPercentage(7, 0), "100");
    EXPECT_EQ(WinPercentage(1, 9), "10");
    EXPECT_EQ(WinPercentage(1, 3, ','), "25");
    EXPECT_EQ(WinPercentage(1, 7, ','), "12,5");
    EXPECT_EQ(WinPercentage(0, 0), std::nullopt);
    // Counters near the top of their range still divide exactly.
    EXPECT_EQ(WinPercentage(4'294'967'295u, 4'294'967'295u), "50");
}

class StatisticsTest : public GameTest {};

TEST_F(StatisticsTest, FreshenWritesUnsignedCountersAndKeepsThePercentage) {
    game.state.Money = 3'000'000'000u;
    game.state.Fights = 4;
    game.state.SuperPotions = 2;
    game.state.OwnedFlags[4] = game.state.OwnedFlags[150] = true;
    Freshen(game);
    const StatisticsModel& view = game.screens.statistics;
    EXPECT_EQ(view.money, "3000000000");
    EXPECT_EQ(view.fights, "4");
    EXPECT_EQ(view.itemCounts[SuperPotionButton], "2");
    EXPECT_EQ(view.registered, "2");
    EXPECT_EQ(view.percent, "0");  // no battle won or lost yet

    game.state.Wins = 2;
    game.state.Losses = 1;
    Freshen(game);
    EXPECT_EQ(view.percent, "66.66");
}

TEST_F(StatisticsTest, ItemButtonsAreEnabledByStockAndBattle) {
    startPlaying({{4, 10}});
    game.state.ZoriBalls = 1;
    game.state.MasterBalls = 2;
    game.state.Potions = 1;
    game.battle.InWildBattle = true;
    ShowButtons(game);
    const auto& view = game.screens.statistics;
    EXPECT_TRUE(view.itemButtonsVisible);
    EXPECT_EQ(view.itemButtonEnabled, (std::array<bool, 6>{true, false, false, true, true, false}));

    // Trainers' creatures cannot be caught; potions are barred in tournaments.
    game.battle.InWildBattle = false;
    game.battle.InTrainerBattle = game.battle.InTournament = true;
    EnableButtons(game);
    EXPECT_EQ(view.itemButtonEnabled, (std::array<bool, 6>{}));
    HideButtons(game);
    EXPECT_FALSE(view.itemButtonsVisible);
}

TEST_F(StatisticsTest, OnlyOneOmnivarCanBeHeld) {
    startPlaying({{4, 10}, {150, 70}});
    game.state.UltraBalls = 5;
    game.state.Potions = 1;
    game.battle.InWildBattle = true;
    game.screens.main.arena.opponentImage = 150 - 1;
    EnableButtons(game);
    EXPECT_FALSE(game.screens.statistics.itemButtonEnabled[UltraBallButton]);
    EXPECT_TRUE(game.screens.statistics.itemButtonEnabled[PotionButton]);

    game.screens.main.arena.opponentImage = 25 - 1;
    EnableButtons(game);
    EXPECT_TRUE(game.screens.statistics.itemButtonEnabled[UltraBallButton]);
}

TEST_F(StatisticsTest, AFullRosterCannotCatch) {
    startPlaying({{4, 10}});
    game.screens.statistics.rosterList.resize(kRosterSlots, {"x", 3});
    game.state.ZoriBalls = 1;
    game.battle.InWildBattle = true;
    EnableButtons(game);
    EXPECT_FALSE(game.screens.statistics.itemButtonEnabled[ZoriBallButton]);
}

TEST_F(StatisticsTest, StatisticsMessagePadsTheNumberAndCountsToTheNextLevel) {
    startPlaying({{7, 12}, {45, 100}});
    const std::string& name7 = game.data.SpeciesNames[7];
    EXPECT_EQ(CreatureStatistics(game, 1, 7),
              "# 007 " + name7 + ", L.12, XP:1728, XP to next level:469");
    EXPECT_EQ(CreatureStatistics(game, 2, 45),
              "# 045 " + game.data.SpeciesNames[45] + ", L.100, XP:1000000, XP to next level:0");
    EXPECT_EQ(SpeciesNumber(150), "150");
}

TEST_F(StatisticsTest, ALevelBehindItsExperienceHasNothingLeftToTheNextLevel) {
    // After tournament matches the level lags: level 10 with level 12's experience.
    startPlaying({{7, 10}, {7, 99}});
    game.state.RosterExp[1] = 1728;
    game.state.RosterExp[2] = 4'000'000'000u;  // a loaded value far beyond the cap
    const std::string& name7 = game.data.SpeciesNames[7];
    EXPECT_EQ(CreatureStatistics(game, 1, 7),
              "# 007 " + name7 + ", L.10, XP:1728, XP to next level:0");
    EXPECT_EQ(CreatureStatistics(game, 2, 7),
              "# 007 " + name7 + ", L.99, XP:4000000000, XP to next level:0");
    game.state.RosterExp[1] = 1330;
    EXPECT_EQ(CreatureStatistics(game, 1, 7),
              "# 007 " + name7 + ", L.10, XP:1330, XP to next level:1");
}

TEST_F(StatisticsTest, DoubleClickShowsStatisticsAndEndsReleaseMode) {
    startPlaying({{7, 12}});
    game.screens.modes.ReleaseMode = true;
    game.screens.menus.setChecked(MenuItem::ReleaseZRKN1, true);
    game.screens.menus.disable(MenuItem::Buy1);
    RosterDoubleClick(game, -1);
    EXPECT_TRUE(port.shown.empty());
    RosterDoubleClick(game, 0);
    ASSERT_EQ(port.boxes(Shown::Information).size(), 1u);
    EXPECT_EQ(port.boxes(Shown::Information)[0].rfind("# 007 ", 0), 0u);
    EXPECT_FALSE(game.screens.modes.ReleaseMode);
    EXPECT_FALSE(game.screens.menus.isChecked(MenuItem::ReleaseZRKN1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Buy1));
}

}  // namespace
}  // namespace zorikan
