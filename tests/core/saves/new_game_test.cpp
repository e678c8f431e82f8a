// From the title window to the first creature: a new game's state, the
// name, the starter and the caption.

#include <gtest/gtest.h>

#include "core/collection/roster.h"
#include "core/saves/new_game.h"
#include "game_fixture.h"

namespace zorikan {
namespace {

using testing::GameTest;
using testing::Shown;

TEST(NewGameLayout, TheCaptionNamesTheFileWithoutItsFolder) {
    EXPECT_EQ(GameCaption("Kell", "C:\\games\\game.zgs"),
              "ZORIKAN Simulator V4.1 - Kell [game.zgs]");
    EXPECT_EQ(GameCaption("Ada", "/home/ada/saves/run.zgs"),
              "ZORIKAN Simulator V4.1 - Ada [run.zgs]");
    EXPECT_EQ(GameCaption("Ada", "plain.zgs"), "ZORIKAN Simulator V4.1 - Ada [plain.zgs]");
}

class NewGameTest : public GameTest {
protected:
    void newGame(const std::string& name) {
        BeginNewGame(game, "/tmp/new.zgs");
        TakePlayerName(game, name);
        ShowStarterChoice(game);
    }
};

TEST_F(NewGameTest, StartsWithThreeBallsAndNothingElse) {
    game.state.Money = 99;  // left over from a failed load
    game.state.OwnedFlags[33] = true;
    newGame("");
    const GameState& s = game.state;
    EXPECT_EQ(s.PlayerName, "Kell");
    EXPECT_EQ(s.ZoriBalls, 3u);
    EXPECT_EQ(s.Money + s.Wins + s.Losses + s.Fights + s.Catches, 0u);
    EXPECT_EQ(s.GreatBalls + s.UltraBalls + s.MasterBalls + s.Potions + s.SuperPotions, 0u);
    EXPECT_EQ(s.BadgeCount, 0);
    EXPECT_EQ(RegisteredCount(s), 0);
    EXPECT_EQ(s.MinLevel, 2);
    EXPECT_EQ(s.MaxLevel, 100);
    EXPECT_EQ(game.screens.main.caption, "ZORIKAN Simulator V4.1 - Kell [new.zgs]");
    EXPECT_EQ(game.screens.statistics.playerName, "Kell");
    EXPECT_EQ(game.phase, GamePhase::ChoosingStarter);
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::File1));
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::Action1));
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::SelectMusic1));
}

TEST_F(NewGameTest, TheStarterTakesSlotOneAtLevelFive) {
    newGame("Wren");
    port.clear();
    ChooseStarter(game, 1);  // the second entry: species 4
    const GameState& s = game.state;
    EXPECT_EQ(s.RosterSpecies[1], 4);
    EXPECT_EQ(s.RosterLevel[1], 5);
    EXPECT_EQ(s.RosterExp[1], 125u);
    EXPECT_EQ(s.RosterSpecies[2], 0);
    EXPECT_TRUE(s.OwnedFlags[4]);
    EXPECT_EQ(RegisteredCount(s), 1);
    // The list's one empty entry is taken over; no second entry appears.
    ASSERT_EQ(game.screens.statistics.rosterCount(), 1);
    EXPECT_EQ(game.screens.statistics.rosterList[0],
              (RosterListItem{game.data.SpeciesNames[4], 3}));
    EXPECT_EQ(port.log, std::vector<std::string>{game.data.SpeciesNames[4] +
                                                 " has been added to the ZORIDEX!"});
    EXPECT_EQ(game.phase, GamePhase::InPlay);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Action1));
    EXPECT_TRUE(game.isVisible(Window::Statistics));
    EXPECT_TRUE(game.isVisible(Window::Main));
    // A second click on the list, now hidden, changes nothing.
    ChooseStarter(game, 0);
    EXPECT_EQ(game.screens.statistics.rosterCount(), 1);
}

TEST_F(NewGameTest, AddingCreaturesAfterTheStarterAppends) {
    newGame("Wren");
    ChooseStarter(game, 0);
    port.clear();
    ASSERT_TRUE(AddZRKN(game, 150, "Omnivar", 70));
    EXPECT_EQ(port.shown.front().kind, Shown::Information);  // the one-Omnivar note comes first
    EXPECT_EQ(game.state.RosterSpecies[2], 150);
    EXPECT_EQ(game.state.RosterExp[2], 343'000u);
    ASSERT_TRUE(AddZRKN(game, 150, "Omnivar", 70));
    EXPECT_EQ(port.log.size(), 1u);  // registered once
    EXPECT_EQ(game.screens.statistics.rosterCount(), 3);
}

TEST_F(NewGameTest, AFullRosterTakesNoMoreCreatures) {
    startPlaying({{1, 5}});
    auto& list = game.screens.statistics.rosterList;
    for (int slot = 2; slot <= kRosterSlots; ++slot) {
        game.state.RosterSpecies[slot] = 10;
        list.push_back({"x", 9});
    }
    EXPECT_FALSE(AddZRKN(game, 25, "Pip", 5));
    EXPECT_EQ(game.screens.statistics.rosterCount(), kRosterSlots);
    EXPECT_EQ(port.boxes(Shown::Warning).size(), 1u);
    EXPECT_FALSE(game.state.OwnedFlags[25]);
}

}  // namespace
}  // namespace zorikan
