// The trainers of the "Fight a Trainer" menu: each item starts its battle
// with its own creature and name, and the battle kind follows the progress.

#include "core/opponents.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/menu_layout.h"
#include "core/roster.h"
#include "game_fixture.h"

namespace zorikan::testing {
namespace {

// The leaf items below `parent` in the main menu, in menu order.
std::vector<std::string> LeavesUnder(std::string_view parent) {
    std::vector<std::string> leaves;
    for (const MenuEntry& entry : MainMenuLayout()) {
        if (entry.parent != parent) continue;
        auto below = LeavesUnder(entry.name);
        if (below.empty())
            leaves.emplace_back(entry.name);
        else
            leaves.insert(leaves.end(), below.begin(), below.end());
    }
    return leaves;
}

std::string CaptionOf(std::string_view item) {
    for (const MenuEntry& entry : MainMenuLayout())
        if (entry.name == item) return std::string(entry.caption);
    return {};
}

class OpponentsTest : public GameTest {
protected:
    void SetUp() override { startPlaying({{4, 50}}); }

    // The kind written for `item`, and what it was while the fighter note was open.
    std::pair<int, int> fight(std::string_view item) {
        const Opponent* opponent = FindOpponent(item);
        EXPECT_NE(opponent, nullptr) << item;
        if (!opponent) return {-1, -1};
        game.battle.BattleKind = 77;  // a code no opponent writes
        int atBox = -1;
        port.onBox = [&](const Shown&) { atBox = game.battle.BattleKind; };
        FightOpponent(game, *opponent);
        port.onBox = nullptr;
        return {game.battle.BattleKind, atBox};
    }
    int kind(std::string_view item) { return fight(item).first; }
};

TEST_F(OpponentsTest, EveryTrainerItemOfTheMenuHasItsOpponent) {
    const auto items = LeavesUnder("FightTrainer1");
    ASSERT_EQ(items.size(), 45u);
    ASSERT_EQ(Opponents().size(), 45u);
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(Opponents()[i].item, items[i]);
    // A caption is the name shown in battle, unless the table gives a second name.
    const std::map<std::string, std::string> renamed{{"ProfHalvard1", "Prof. Halvard"},
                                                     {"ProfWendeck1", "Prof. Wendeck"},
                                                     {"ProfDunmore1", "Prof. Dunmore"},
                                                     {"OrinIsla1", "Orin & Isla"},
                                                     {"Me1", "Quorin"},
                                                     {"GrandFour1", "Ansel"},
                                                     {"LowlandGrandFour1", "Halla"},
                                                     {"CoastalGrandFour1", "Jarek"}};
    for (const Opponent& o : Opponents()) {
        const auto it = renamed.find(std::string(o.item));
        EXPECT_EQ(o.trainer, it != renamed.end() ? it->second : CaptionOf(o.item)) << o.item;
        EXPECT_TRUE(IsSpecies(o.species)) << o.item;
        EXPECT_GE(o.level, 5);
        EXPECT_LE(o.level, 100);
    }
}

TEST_F(OpponentsTest, LeadersAreNumberedInTheirMenuOrder) {
    std::vector<std::string> leaders;
    for (const char* group : {"AldmarkGymLeaders1", "BrennarGymLeaders1", "CyrelleGymLeaders1"})
        for (const auto& item : LeavesUnder(group)) leaders.push_back(item);
    ASSERT_EQ(leaders.size(), 24u);
    for (int number = 1; number <= 24; ++number) {
        const Opponent* leader = FindOpponent(leaders[number - 1]);
        ASSERT_NE(leader, nullptr);
        EXPECT_EQ(leader->rule, KindRule::Leader);
        EXPECT_EQ(leader->number, number) << leaders[number - 1];
    }
}

TEST_F(OpponentsTest, EachItemSendsOutItsCreatureUnderItsName) {
    for (const Opponent& o : Opponents()) {
        port.clear();
        FightOpponent(game, o);
        const std::string trainer(o.trainer);
        ASSERT_EQ(port.log.size(), 2u) << o.item;
        EXPECT_EQ(port.log[0], trainer + " wants to fight!");
        EXPECT_EQ(port.log[1], trainer + " sent out " + game.data.SpeciesNames[o.species] + "!");
        EXPECT_EQ(game.battle.OppSpecies, o.species);
        EXPECT_EQ(game.battle.OppLevel, o.level);
        EXPECT_EQ(game.battle.OppHP, o.level * 10);
        EXPECT_TRUE(game.battle.InTrainerBattle);
        EXPECT_FALSE(game.screens.menus.isEnabled("Action1"));
    }
}

TEST_F(OpponentsTest, TheKindIsWrittenOnlyAfterTheFighterNote) {
    for (const Opponent& o : Opponents()) {
        const auto [written, atBox] = fight(o.item);
        EXPECT_EQ(atBox, 77) << o.item << " wrote its kind before the note was closed";
        EXPECT_NE(written, 77) << o.item;
    }
}

TEST_F(OpponentsTest, OnlyTheNextLeaderGivesABadgeBattle) {
    game.state.BadgeCount = 3;
    EXPECT_EQ(kind("Dorn1"), 2);
    EXPECT_EQ(kind("LtHarker1"), 2);
    EXPECT_EQ(kind("Odile1"), 3);
    EXPECT_EQ(kind("Imara1"), 2);

    // Aubric is open before the other Brennar leaders, but gives the ninth badge only.
    for (int badges : {7, 8, 9}) {
        game.state.BadgeCount = static_cast<std::uint8_t>(badges);
        EXPECT_EQ(kind("Aubric1"), badges == 8 ? 3 : 2) << badges;
    }

    game.state.BadgeCount = 24;
    for (const Opponent& o : Opponents())
        if (o.rule == KindRule::Leader) {
            EXPECT_EQ(kind(o.item), 2) << o.item;
        }
}

TEST_F(OpponentsTest, SpecialsSeriesAndTrainersKinds) {
    EXPECT_EQ(kind("Kell1"), 9);
    EXPECT_EQ(kind("Me1"), 10);
    game.state.KellBeaten = true;
    EXPECT_EQ(kind("Kell1"), 2);
    EXPECT_EQ(kind("Me1"), 10);
    game.state.MeBeaten = true;
    EXPECT_EQ(kind("Me1"), 2);

    EXPECT_EQ(kind("GrandFour1"), 4);
    EXPECT_EQ(kind("LowlandGrandFour1"), 71);
    EXPECT_EQ(kind("CoastalGrandFour1"), 81);
    for (const auto& item : LeavesUnder("Trainers1")) EXPECT_EQ(kind(item), 2) << item;
}

TEST_F(OpponentsTest, AFighterOutsideTheBandIsSilentlyNotChosen) {
    startPlaying({{4, 11}, {7, 10}});
    game.state.MinLevel = 2;
    game.state.MaxLevel = 10;
    FightOpponent(game, *FindOpponent("Tavrin1"));
    port.clear();
    RosterDoubleClick(game, 0);  // level 11: the statistics only
    EXPECT_EQ(port.shown.size(), 1u);
    EXPECT_EQ(port.shown[0].kind, Shown::Information);
    EXPECT_FALSE(game.screens.main.arena.goVisible);
    EXPECT_EQ(game.state.Fights, 0u);

    port.answers = {true};
    RosterDoubleClick(game, 1);
    EXPECT_EQ(game.battle.ActiveSlot, 2);
    EXPECT_TRUE(game.screens.main.arena.goVisible);
}

TEST(OpponentTable, UnknownItemsHaveNoOpponent) {
    EXPECT_EQ(FindOpponent("FindZRKN1"), nullptr);
    EXPECT_EQ(FindOpponent(""), nullptr);
    EXPECT_EQ(FindOpponent("Dorn1")->trainer, "Dorn");
}

}  // namespace
}  // namespace zorikan::testing
