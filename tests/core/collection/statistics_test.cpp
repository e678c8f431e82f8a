// The statistics message of a creature.

#include <gtest/gtest.h>

#include "core/collection/roster.h"
#include "core/collection/statistics.h"
#include "game_fixture.h"

namespace zorikan {
namespace {

using testing::GameTest;

class StatisticsTest : public GameTest {};

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

}  // namespace
}  // namespace zorikan
