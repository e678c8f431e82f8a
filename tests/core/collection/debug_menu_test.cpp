// The hidden Debug menu's items.

#include "core/collection/debug_menu.h"

#include <gtest/gtest.h>

#include "game_fixture.h"

namespace zorikan::testing {
namespace {

class DebugMenuTest : public GameTest {};

TEST_F(DebugMenuTest, MakeVisibleDisablesOnlyItself) {
    const MenuModel before = game.screens.menus;
    MakeVisible(game);
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::MakeVisible1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::AlwaysshowattacksinZORIDEX1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Debug1));
    EXPECT_FALSE(game.screens.menus.isChecked(MenuItem::AlwaysshowattacksinZORIDEX1));
    EXPECT_TRUE(port.shown.empty());
    MakeVisible(game);
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::MakeVisible1));
    EXPECT_TRUE(before.isEnabled(MenuItem::MakeVisible1));
}

}  // namespace
}  // namespace zorikan::testing
