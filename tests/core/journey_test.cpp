// From the first badge to the Summit Cup: every opponent the game needs is
// reachable through the menus that the earlier wins opened, nothing else.

#include <gtest/gtest.h>

#include "core/model/menu_layout.h"
#include "core/progress/opponents.h"
#include "core/progress/tournament.h"
#include "core/saves/save_game.h"
#include "marked_texts.h"
#include "progress_fixture.h"

namespace zorikan::testing {
namespace {

class JourneyTest : public ProgressTest {
protected:
    // An item the player can click: it and every menu above it are enabled.
    bool reachable(MenuItem item) const {
        for (std::optional<MenuItem> at = item; at; at = EntryOf(*at).parent)
            if (!game.screens.menus.isEnabled(*at)) return false;
        return true;
    }
    void beat(MenuItem item) {
        ASSERT_TRUE(reachable(item)) << item;
        FightOpponent(game, *FindOpponent(item));
        winWith(1);
    }
    void winRunningBattles(int count) {
        for (int i = 0; i < count; ++i) {
            ASSERT_TRUE(game.screens.main.arena.visible) << "the series stopped early";
            winWith(1);
        }
    }
    // The whole way, from a new roster to the Summit Cup's first match.
    void playToTheSummitCup() {
        startPlaying({{4, 100}});
        const MenuItem aldmark[] = {MenuItem::Dorn1,    MenuItem::Nerissa1, MenuItem::LtHarker1,
                                    MenuItem::Odile1,   MenuItem::Imara1,   MenuItem::Tilde1,
                                    MenuItem::Fenwick1, MenuItem::Roderic1};
        for (const MenuItem leader : aldmark) beat(leader);
        EXPECT_EQ(game.state.BadgeCount, 8);
        EXPECT_FALSE(reachable(MenuItem::Aubric1));

        beat(MenuItem::GrandFour1);
        winRunningBattles(4);
        EXPECT_TRUE(game.state.GrandFourChampionBeaten);
        const MenuItem brennar[] = {MenuItem::Aubric1, MenuItem::Nils1,   MenuItem::Posy1,
                                    MenuItem::Elwin1,  MenuItem::Grigor1, MenuItem::Lunet1,
                                    MenuItem::Haskel1, MenuItem::Vesper1};
        for (const MenuItem leader : brennar) beat(leader);
        EXPECT_EQ(game.state.BadgeCount, 16);

        EXPECT_FALSE(reachable(MenuItem::Me1));
        beat(MenuItem::Kell1);
        EXPECT_FALSE(reachable(MenuItem::Brigid1));
        beat(MenuItem::Me1);
        EXPECT_TRUE(reachable(MenuItem::Omnivar1));
        const MenuItem cyrelle[] = {MenuItem::Brigid1,   MenuItem::Dunstan1, MenuItem::Caddock1,
                                    MenuItem::Ravenna1,  MenuItem::Osric1,   MenuItem::Merle1,
                                    MenuItem::OrinIsla1, MenuItem::Marius1};
        for (const MenuItem leader : cyrelle) beat(leader);
        EXPECT_EQ(game.state.BadgeCount, 24);

        beat(MenuItem::LowlandGrandFour1);
        winRunningBattles(4);
        beat(MenuItem::CoastalGrandFour1);
        winRunningBattles(4);
        EXPECT_TRUE(game.state.Gift385Given);
        EXPECT_TRUE(game.state.Gift386Given);

        ASSERT_TRUE(reachable(MenuItem::SummitCupLevel1001));
        game.state.Money = 10'000;
        random.draws = {0, 1, 2, 3, 4, 5, 6, 7};
        for (int m = 0; m < 8; ++m) random.draws.push_back(m);
        for (int m = 0; m < 8; ++m) random.draws.push_back(m % 5);  // all level 100
        EnterTournament(game, 6);
        EXPECT_EQ(game.battle.BattleKind, 61);
        EXPECT_EQ(game.battle.OppLevel, 100);
        EXPECT_EQ(game.state.Money, 0u);
        // Every leader, elite and special opponent was beaten on the way.
        EXPECT_EQ(game.state.Wins, 8u + 5 + 8 + 2 + 8 + 5 + 5);
    }
};

TEST_F(JourneyTest, FromTheFirstBadgeToTheSummitCup) {
    playToTheSummitCup();
}

// In another language every box, question and log line on the way is that
// language's, and the saved game is the English one byte for byte.
TEST_F(JourneyTest, InAnotherLanguageShowsItsTextsAndSavesTheSameGame) {
    playToTheSummitCup();
    const std::string english = SaveGameText(game.state);
    port.clear();
    {
        const MarkedTexts marked;
        game.model() = GameModel{};
        playToTheSummitCup();
        ExpectEveryTextMarked(port.shown);
    }
    EXPECT_EQ(SaveGameText(game.state), english);
}

}  // namespace
}  // namespace zorikan::testing
