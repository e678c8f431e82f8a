// The statistics window's item buttons in a battle.

#include "core/collection/item_buttons.h"

#include <gtest/gtest.h>

#include "core/collection/roster.h"
#include "game_fixture.h"

namespace zorikan {
namespace {

using testing::GameTest;

class ItemButtonsTest : public GameTest {};

TEST_F(ItemButtonsTest, ItemButtonsAreEnabledByStockAndBattle) {
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

TEST_F(ItemButtonsTest, OnlyOneOmnivarCanBeHeld) {
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

TEST_F(ItemButtonsTest, AFullRosterCannotCatch) {
    startPlaying({{4, 10}});
    game.screens.statistics.rosterList.resize(kRosterSlots, {"x", 3});
    game.state.ZoriBalls = 1;
    game.battle.InWildBattle = true;
    EnableButtons(game);
    EXPECT_FALSE(game.screens.statistics.itemButtonEnabled[ZoriBallButton]);
}

}  // namespace
}  // namespace zorikan
