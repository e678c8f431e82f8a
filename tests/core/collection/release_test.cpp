// Release mode and releasing a creature: the last one is kept, the roster
// closes its gap, and a saved game does not bring a released creature back.

#include "core/collection/release.h"

#include "core/battle/fighter_choice.h"
#include "core/collection/collection_modes.h"
#include "core/collection/item_buttons.h"
#include "core/collection/roster.h"
#include "core/model/menu_layout.h"
#include "core/saves/save_load.h"
#include "game_fixture.h"
#include "temp_folder.h"

namespace zorikan::testing {
namespace {

constexpr MenuItem kModeItems[] = {MenuItem::Evolve1, MenuItem::Tournaments1,
                                   MenuItem::FightTrainer1, MenuItem::Buy1, MenuItem::FightWild1};

class ReleaseTest : public GameTest {
protected:
    const std::string& name(int species) const { return game.data.SpeciesNames[species]; }

    // Release mode on, then the double-click on list entry `index`.
    void releaseEntry(int index, bool answer) {
        ReleaseZRKN1Click(game);
        port.clear();
        port.answers = {answer};
        RosterDoubleClick(game, index);
    }
    std::vector<int> rosterSpecies(int slots) const {
        return {game.state.RosterSpecies.begin() + 1, game.state.RosterSpecies.begin() + 1 + slots};
    }
};

TEST_F(ReleaseTest, TheLastCreatureCannotBeReleased) {
    startPlaying({{7, 12}});
    ReleaseZRKN1Click(game);
    EXPECT_EQ(port.boxes(Shown::Warning),
              std::vector<std::string>{"You can't release your last ZORIKAN!"});
    EXPECT_FALSE(game.screens.modes.ReleaseMode);
    EXPECT_FALSE(game.screens.menus.isChecked(MenuItem::ReleaseZRKN1));
    for (auto item : kModeItems) EXPECT_TRUE(game.screens.menus.isEnabled(item)) << item;

    // Nor by a double-click that reaches the release step some other way.
    port.clear();
    ReleaseCreature(game, 1, 7);
    EXPECT_EQ(port.boxes(Shown::Warning).size(), 1u);
    EXPECT_EQ(game.state.RosterSpecies[1], 7);
}

TEST_F(ReleaseTest, TheMenuItemSwitchesTheModeAndFiveItems) {
    startPlaying({{7, 12}, {4, 9}});
    ReleaseZRKN1Click(game);
    EXPECT_TRUE(game.screens.modes.ReleaseMode);
    EXPECT_TRUE(game.screens.menus.isChecked(MenuItem::ReleaseZRKN1));
    for (auto item : kModeItems) EXPECT_FALSE(game.screens.menus.isEnabled(item)) << item;
    EXPECT_EQ(port.boxes(Shown::Information),
              std::vector<std::string>{
                  "Doubleclick a ZORIKAN in the Statistics window to release it. Once you have "
                  "doubleclicked on a ZORIKAN, Release Mode will be disabled."});
    port.clear();
    ReleaseZRKN1Click(game);
    EXPECT_FALSE(game.screens.modes.ReleaseMode);
    EXPECT_FALSE(game.screens.menus.isChecked(MenuItem::ReleaseZRKN1));
    for (auto item : kModeItems) EXPECT_TRUE(game.screens.menus.isEnabled(item)) << item;
    EXPECT_EQ(port.boxes(Shown::Information),
              std::vector<std::string>{
                  "Release Mode deactivated. Statistics window will now function normally."});
}

TEST_F(ReleaseTest, ReleasingFromTheMiddleClosesTheGap) {
    startPlaying({{1, 10}, {4, 20}, {7, 30}, {10, 40}});
    game.state.RosterExp[3] = 27'123;
    const std::uint32_t catches = game.state.Catches = 6;
    releaseEntry(1, true);

    EXPECT_EQ(port.boxes(Shown::Question),
              std::vector<std::string>{"Once released, " + name(4) +
                                       " will not come back. Release " + name(4) + "?"});
    EXPECT_EQ(port.boxes(Shown::Information).back(),
              name(4) + " was released. Bye, " + name(4) + "!");
    EXPECT_EQ(rosterSpecies(5), (std::vector<int>{1, 7, 10, 0, 0}));
    EXPECT_EQ(game.state.RosterLevel[2], 30);
    EXPECT_EQ(game.state.RosterExp[2], 27'123u);
    EXPECT_EQ(game.state.RosterLevel[3], 40);
    EXPECT_EQ(game.state.RosterExp[3], 64'000u);
    EXPECT_EQ(game.state.RosterLevel[4], 0);
    EXPECT_EQ(game.state.RosterExp[4], 0u);
    const auto& list = game.screens.statistics.rosterList;
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[1], (RosterListItem{name(7), 6}));
    EXPECT_EQ(list[2], (RosterListItem{name(10), 9}));
    // The ZORIDEX and the counters keep what they had.
    EXPECT_TRUE(game.state.OwnedFlags[4]);
    EXPECT_EQ(game.state.Catches, catches);
    EXPECT_FALSE(game.screens.modes.ReleaseMode);
    for (auto item : kModeItems) EXPECT_TRUE(game.screens.menus.isEnabled(item)) << item;
}

TEST_F(ReleaseTest, NoKeepsTheCreatureAndEndsTheMode) {
    startPlaying({{1, 10}, {4, 20}});
    const GameState before = game.state;
    releaseEntry(0, false);
    EXPECT_EQ(game.state, before);
    EXPECT_EQ(game.screens.statistics.rosterCount(), 2);
    EXPECT_FALSE(game.screens.modes.ReleaseMode);
    EXPECT_FALSE(game.screens.menus.isChecked(MenuItem::ReleaseZRKN1));
}

TEST_F(ReleaseTest, AReleasedLastSlotStaysGoneAfterSavingAndLoading) {
    TempFolder folder;
    startPlaying({{1, 10}, {4, 20}, {7, 30}});
    game.state.PlayerName = "Oriel";
    game.screens.main.saveFileName = folder.file("game.zgs");
    releaseEntry(2, true);
    ASSERT_TRUE(Save(game));

    ScriptedPort otherPort;
    Game loaded{game.data, otherPort, random};
    ASSERT_TRUE(LoadGame(loaded, folder.file("game.zgs")));
    EXPECT_EQ(loaded.screens.statistics.rosterCount(), 2);
    EXPECT_EQ(loaded.state.RosterSpecies[3], 0);
    EXPECT_EQ(loaded.state.RosterSpecies[2], 4);
    EXPECT_TRUE(loaded.state.OwnedFlags[7]);
}

TEST_F(ReleaseTest, ReleasingTheOnlyOmnivarMakesItCatchableAgain) {
    startPlaying({{150, 70}, {4, 20}});
    game.state.ZoriBalls = 1;
    game.battle.InWildBattle = true;
    game.screens.main.arena.opponentImage = 150 - 1;
    EnableButtons(game);
    EXPECT_FALSE(game.screens.statistics.itemButtonEnabled[ZoriBallButton]);

    game.battle.InWildBattle = false;
    releaseEntry(0, true);
    game.battle.InWildBattle = true;
    EnableButtons(game);
    EXPECT_TRUE(game.screens.statistics.itemButtonEnabled[ZoriBallButton]);
}

}  // namespace
}  // namespace zorikan::testing
