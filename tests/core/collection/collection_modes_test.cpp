// The roster's double-click in a mode.

#include "core/collection/collection_modes.h"

#include <gtest/gtest.h>

#include "core/battle/fighter_choice.h"
#include "game_fixture.h"

namespace zorikan {
namespace {

using testing::GameTest;
using testing::Shown;

class CollectionModesTest : public GameTest {};

TEST_F(CollectionModesTest, DoubleClickShowsStatisticsAndEndsReleaseMode) {
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
