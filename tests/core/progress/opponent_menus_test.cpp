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
const std::set<std::string> kDisabledAtStart{
    "Omnivar1", "GrandFour1", "BrennarGymLeaders1", "Kell1", "Me1", "CyrelleGymLeaders1", "Elites1",
    // Aldmark leaders 2..8 open with badges 1..7.
    "Nerissa1", "LtHarker1", "Odile1", "Imara1", "Tilde1", "Fenwick1", "Roderic1",
    // Brennar leaders 10..16 with badges 9..15.
    "Nils1", "Posy1", "Elwin1", "Grigor1", "Lunet1", "Haskel1", "Vesper1",
    // Cyrelle leaders 18..24 with badges 17..23.
    "Dunstan1", "Caddock1", "Ravenna1", "Osric1", "Merle1", "OrinIsla1", "Marius1"};

// The opponent items that are enabled now but were not at program start.
std::set<std::string> Opened(const MenuModel& menus) {
    std::set<std::string> opened;
    for (const std::string& name : kDisabledAtStart)
        if (menus.isEnabled(name)) opened.insert(name);
    return opened;
}

class OpponentMenusTest : public GameTest {};

TEST(MenuStart, OnlyTheProgressItemsStartDisabled) {
    const MenuModel start;
    std::set<std::string> disabled, checked;
    for (const MenuEntry& entry : MainMenuLayout()) {
        const std::string name(entry.name);
        if (!start.isEnabled(name)) disabled.insert(name);
        if (start.isChecked(name)) checked.insert(name);
    }
    EXPECT_EQ(disabled, kDisabledAtStart);
    // Every item named there is on the menu bar.
    for (const std::string& name : kDisabledAtStart) {
        bool onTheBar = false;
        for (const MenuEntry& entry : MainMenuLayout()) onTheBar |= entry.name == name;
        EXPECT_TRUE(onTheBar) << name;
    }
    EXPECT_EQ(checked, std::set<std::string>{"RepeatMusic1"});
}

TEST_F(OpponentMenusTest, EachBadgeOpensExactlyOneItem) {
    const std::vector<std::string> expected{
        "Nerissa1", "LtHarker1",  "Odile1",  "Imara1",    "Tilde1",   "Fenwick1",
        "Roderic1", "GrandFour1", "Nils1",   "Posy1",     "Elwin1",   "Grigor1",
        "Lunet1",   "Haskel1",    "Vesper1", "Kell1",     "Dunstan1", "Caddock1",
        "Ravenna1", "Osric1",     "Merle1",  "OrinIsla1", "Marius1",  "Elites1"};
    for (int badges = 1; badges <= 24; ++badges) {
        Game fresh{game.data, port, random};
        fresh.state.BadgeCount = static_cast<std::uint8_t>(badges);
        EnableGymLeaders(fresh);
        EXPECT_EQ(Opened(fresh.screens.menus), std::set<std::string>{expected[badges - 1]})
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
    EXPECT_EQ(
        Opened(game.screens.menus),
        (std::set<std::string>{"Nerissa1", "LtHarker1", "Odile1", "Imara1", "Tilde1", "Fenwick1",
                               "Roderic1", "GrandFour1", "BrennarGymLeaders1", "Nils1", "Posy1"}));
    EXPECT_TRUE(game.screens.menus.isEnabled("Aubric1"));
}

TEST_F(OpponentMenusTest, NineBadgesWithAndWithoutTheChampion) {
    game.state.BadgeCount = 9;
    MenusEnabledAtLoad(game);
    EXPECT_TRUE(game.screens.menus.isEnabled("Nils1"));
    EXPECT_FALSE(game.screens.menus.isEnabled("BrennarGymLeaders1"));
    EXPECT_FALSE(game.screens.menus.isEnabled("Posy1"));

    game.state.GrandFourChampionBeaten = true;
    MenusEnabledAtLoad(game);
    EXPECT_TRUE(game.screens.menus.isEnabled("BrennarGymLeaders1"));
}

TEST_F(OpponentMenusTest, VictoriesOpenTheirItemsWhateverTheBadges) {
    game.state.KellBeaten = true;
    game.state.MeBeaten = true;
    game.state.Gift385Given = true;
    game.state.Gift386Given = true;
    MenusEnabledAtLoad(game);
    EXPECT_EQ(Opened(game.screens.menus),
              (std::set<std::string>{"Me1", "Omnivar1", "CyrelleGymLeaders1"}));

    Game all{game.data, port, random};
    all.state.BadgeCount = 200;  // a count beyond 24 opens what 24 opens
    MenusEnabledAtLoad(all);
    EXPECT_EQ(Opened(all.screens.menus).size(), 24u);
    EXPECT_TRUE(all.screens.menus.isEnabled("Elites1"));
    EXPECT_FALSE(all.screens.menus.isEnabled("Me1"));
}

TEST_F(OpponentMenusTest, LoadNeverClosesAnOpenItem) {
    game.screens.menus.enable("Marius1");
    game.state.BadgeCount = 1;
    MenusEnabledAtLoad(game);
    EXPECT_TRUE(game.screens.menus.isEnabled("Marius1"));
    EXPECT_TRUE(game.screens.menus.isEnabled("Nerissa1"));
}

}  // namespace
}  // namespace zorikan::testing
