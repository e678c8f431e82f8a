// The statistics window's counters and win percentage.

#include "core/game/freshen.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "game_fixture.h"

namespace zorikan {
namespace {

using testing::GameTest;

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

class FreshenTest : public GameTest {};

TEST_F(FreshenTest, FreshenWritesUnsignedCountersAndKeepsThePercentage) {
    game.state.Money = 3'000'000'000u;
    game.state.Fights = 4;
    // Every item count differs, so a count shown beside another item shows.
    game.state.ZoriBalls = 1;
    game.state.GreatBalls = 3;
    game.state.UltraBalls = 5;
    game.state.MasterBalls = 7;
    game.state.Potions = 9;
    game.state.SuperPotions = 2;
    game.state.OwnedFlags[4] = game.state.OwnedFlags[150] = true;
    Freshen(game);
    const StatisticsModel& view = game.screens.statistics;
    EXPECT_EQ(view.money, "3000000000");
    EXPECT_EQ(view.fights, "4");
    const std::array<std::string, kItemButtonCount> counts = {"1", "3", "5", "7", "9", "2"};
    EXPECT_EQ(view.itemCounts, counts);
    EXPECT_EQ(view.registered, "2");
    EXPECT_EQ(view.percent, "0");  // no battle won or lost yet

    game.state.Wins = 2;
    game.state.Losses = 1;
    Freshen(game);
    EXPECT_EQ(view.percent, "66.66");
}

}  // namespace
}  // namespace zorikan
