// The opponents that badges and victories open, one badge at a time and all
// at once after a load.

#include "core/progress/opponent_menus.h"

#include <gtest/gtest.h>

#include <set>

#include "core/model/menu_layout.h"
#include "game_fixture.h"

namespace zorikan::testing {
namespace {

// The items of the menu bar that are disabled when the program starts, as
// the opponent catalogue and the wild search list them: everything else,
// "Aubric", "Brigid" and the other elites inside their locked submenus
// included, starts enabled.
const std::set<MenuItem> kDisabledAtStart{
    MenuItem::Omnivar1, MenuItem::GrandFour1, MenuItem::BrennarGymLeaders1, MenuItem::Kell1,
    MenuItem::Me1, MenuItem::CyrelleGymLeaders1, MenuItem::Elites1,
    // Aldmark leaders 2..8 open with badges 1..7.
    MenuItem::Nerissa1, MenuItem::LtHarker1, MenuItem::Odile1, MenuItem::Imara1, MenuItem::Tilde1,
    MenuItem::Fenwick1, MenuItem::Roderic1,
    // Brennar leaders 10..16 with badges 9..15.
    MenuItem::Nils1, MenuItem::Posy1, MenuItem::Elwin1, MenuItem::Grigor1, MenuItem::Lunet1,
    MenuItem::Haskel1, MenuItem::Vesper1,
    // Cyrelle leaders 18..24 with badges 17..23.
    MenuItem::Dunstan1, MenuItem::Caddock1, MenuItem::Ravenna1, MenuItem::Osric1, MenuItem::Merle1,
    MenuItem::OrinIsla1, MenuItem::Marius1};

// The opponent items that are enabled now but were not at program start.
std::set<MenuItem> Opened(const MenuModel& menus) {
    std::set<MenuItem> opened;
    for (MenuItem item : kDisabledAtStart)
        if (menus.isEnabled(item)) opened.insert(item);
    return opened;
}

class OpponentMenusTest : public GameTest {};

TEST(MenuStart, OnlyTheProgressItemsStartDisabled) {
    const MenuModel start;
    std::set<MenuItem> disabled, checked;
    for (const MenuEntry& entry : MainMenuLayout()) {
        if (!start.isEnabled(entry.item)) disabled.insert(entry.item);
        if (start.isChecked(entry.item)) checked.insert(entry.item);
    }
    EXPECT_EQ(disabled, kDisabledAtStart);
    EXPECT_EQ(checked, std::set<MenuItem>{MenuItem::RepeatMusic1});
}

TEST_F(OpponentMenusTest, EachBadgeOpensExactlyOneItem) {
    const std::vector<MenuItem> expected{
        MenuItem::Nerissa1, MenuItem::LtHarker1, MenuItem::Odile1,   MenuItem::Imara1,
        MenuItem::Tilde1,   MenuItem::Fenwick1,  MenuItem::Roderic1, MenuItem::GrandFour1,
        MenuItem::Nils1,    MenuItem::Posy1,     MenuItem::Elwin1,   MenuItem::Grigor1,
        MenuItem::Lunet1,   MenuItem::Haskel1,   MenuItem::Vesper1,  MenuItem::Kell1,
        MenuItem::Dunstan1, MenuItem::Caddock1,  MenuItem::Ravenna1, MenuItem::Osric1,
        MenuItem::Merle1,   MenuItem::OrinIsla1, MenuItem::Marius1,  MenuItem::Elites1};
    for (int badges = 1; badges <= 24; ++badges) {
        Game fresh{game.data, port, random};
        fresh.state.BadgeCount = static_cast<std::uint8_t>(badges);
        EnableGymLeaders(fresh);
        EXPECT_EQ(Opened(fresh.screens.menus), std::set<MenuItem>{expected[badges - 1]})
            << badges << " badges";
    }
    for (int badges : {0, 25, 255}) {
        Game fresh{game.data, port, random};
        fresh.state.BadgeCount = static_cast<std::uint8_t>(badges);
        EnableGymLeaders(fresh);
        EXPECT_TRUE(Opened(fresh.screens.menus).empty()) << badges << " badges";
    }
}

TEST_F(OpponentMenusTest, LoadOpensEverythingTheProgressAllows) {
    // Ten badges and only the Highland champion beaten.
    game.state.BadgeCount = 10;
    game.state.GrandFourChampionBeaten = true;
    MenusEnabledAtLoad(game);
    EXPECT_EQ(Opened(game.screens.menus),
              (std::set<MenuItem>{MenuItem::Nerissa1, MenuItem::LtHarker1, MenuItem::Odile1,
                                  MenuItem::Imara1, MenuItem::Tilde1, MenuItem::Fenwick1,
                                  MenuItem::Roderic1, MenuItem::GrandFour1,
                                  MenuItem::BrennarGymLeaders1, MenuItem::Nils1, MenuItem::Posy1}));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Aubric1));
}

TEST_F(OpponentMenusTest, NineBadgesWithAndWithoutTheChampion) {
    game.state.BadgeCount = 9;
    MenusEnabledAtLoad(game);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Nils1));
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::BrennarGymLeaders1));
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::Posy1));

    game.state.GrandFourChampionBeaten = true;
    MenusEnabledAtLoad(game);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::BrennarGymLeaders1));
}

TEST_F(OpponentMenusTest, VictoriesOpenTheirItemsWhateverTheBadges) {
    game.state.KellBeaten = true;
    game.state.MeBeaten = true;
    game.state.Gift385Given = true;
    game.state.Gift386Given = true;
    MenusEnabledAtLoad(game);
    EXPECT_EQ(Opened(game.screens.menus), (std::set<MenuItem>{MenuItem::Me1, MenuItem::Omnivar1,
                                                              MenuItem::CyrelleGymLeaders1}));

    Game all{game.data, port, random};
    all.state.BadgeCount = 200;  // a count beyond 24 opens what 24 opens
    MenusEnabledAtLoad(all);
    EXPECT_EQ(Opened(all.screens.menus).size(), 24u);
    EXPECT_TRUE(all.screens.menus.isEnabled(MenuItem::Elites1));
    EXPECT_FALSE(all.screens.menus.isEnabled(MenuItem::Me1));
}

TEST_F(OpponentMenusTest, LoadNeverClosesAnOpenItem) {
    game.screens.menus.enable(MenuItem::Marius1);
    game.state.BadgeCount = 1;
    MenusEnabledAtLoad(game);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Marius1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Nerissa1));
}

}  // namespace
}  // namespace zorikan::testing
