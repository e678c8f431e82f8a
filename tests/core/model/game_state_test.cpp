// The level rule and the start values of the player's progress.

#include <gtest/gtest.h>

#include "core/model/game_state.h"

namespace zorikan {
namespace {

TEST(LevelRule, LevelsFollowTheCubeOfTheirNumber) {
    EXPECT_EQ(LevelThreshold(5), 125u);
    EXPECT_EQ(LevelThreshold(100), kMaxExperience);
    std::uint8_t level = 5;
    std::uint32_t exp = 125 + 61 + 100;  // 286: past 6^3 = 216, short of 7^3 = 343
    CatchUpLevel(level, exp);
    EXPECT_EQ(level, 6);
    EXPECT_EQ(exp, 286u);
}

TEST(LevelRule, ExperienceExactlyOnTheNextThresholdIsThatLevel) {
    for (std::uint32_t level = 1; level < 100; ++level) {
        const std::uint32_t next = (level + 1) * (level + 1) * (level + 1);
        std::uint8_t reached = static_cast<std::uint8_t>(level);
        std::uint32_t exp = next;
        CatchUpLevel(reached, exp);
        EXPECT_EQ(reached, level + 1) << "experience " << next;
        std::uint8_t short_of = static_cast<std::uint8_t>(level);
        exp = next - 1;
        CatchUpLevel(short_of, exp);
        EXPECT_EQ(short_of, level) << "experience " << next - 1;
    }
}

TEST(LevelRule, CatchUpNeverLowersAndCapsAtOneHundred) {
    std::uint8_t level = 50;
    std::uint32_t exp = 8;  // far below 50^3: the level stays
    CatchUpLevel(level, exp);
    EXPECT_EQ(level, 50);

    level = 99;
    exp = 999'000 + 29'701;
    CatchUpLevel(level, exp);
    EXPECT_EQ(level, 100);
    EXPECT_EQ(exp, kMaxExperience);
}

TEST(LevelRule, ALoadedLevelAboveOneHundredDoesNotWrap) {
    std::uint8_t level = 255;
    std::uint32_t exp = 4'000'000'000u;
    CatchUpLevel(level, exp);
    EXPECT_EQ(level, 100);
    EXPECT_EQ(exp, kMaxExperience);
}

TEST(GameStateStart, EverythingStartsEmpty) {
    GameState s;
    EXPECT_EQ(s.Money, 0u);
    EXPECT_EQ(s.ZoriBalls, 0u);
    EXPECT_EQ(RegisteredCount(s), 0);
    ASSERT_EQ(s.RosterSpecies.size(), static_cast<std::size_t>(kRosterSlots + 1));
    EXPECT_EQ(s.RosterSpecies[kRosterSlots], 0);
    s.OwnedFlags[1] = s.OwnedFlags[386] = true;
    EXPECT_EQ(RegisteredCount(s), 2);
}

}  // namespace
}  // namespace zorikan
