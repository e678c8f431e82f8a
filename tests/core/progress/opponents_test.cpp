// The trainers of the "Fight a Trainer" menu: each item starts its battle
// with its own creature and name, and the battle kind follows the progress.

#include "core/progress/opponents.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "core/battle/fighter_choice.h"
#include "core/collection/roster.h"
#include "core/model/menu_layout.h"
#include "core/progress/opponent_menus.h"
#include "game_fixture.h"

namespace zorikan::testing {
namespace {

// The leaf items below `parent` in the main menu, in menu order.
std::vector<MenuItem> LeavesUnder(MenuItem parent) {
    std::vector<MenuItem> leaves;
    for (const MenuEntry& entry : MainMenuLayout()) {
        if (entry.parent != parent) continue;
        auto below = LeavesUnder(entry.item);
        if (below.empty())
            leaves.push_back(entry.item);
        else
            leaves.insert(leaves.end(), below.begin(), below.end());
    }
    return leaves;
}

std::string CaptionOf(MenuItem item) {
    return EntryOf(item).caption.english;
}

class OpponentsTest : public GameTest {
protected:
    void SetUp() override { startPlaying({{4, 50}}); }

    // The kind written for `item`, and what it was while the fighter note was open.
    std::pair<int, int> fight(MenuItem item) {
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
    int kind(MenuItem item) { return fight(item).first; }
};

TEST_F(OpponentsTest, EveryTrainerItemOfTheMenuHasItsOpponent) {
    const auto items = LeavesUnder(MenuItem::FightTrainer1);
    ASSERT_EQ(items.size(), 45u);
    ASSERT_EQ(Opponents().size(), 45u);
    for (std::size_t i = 0; i < items.size(); ++i) EXPECT_EQ(Opponents()[i].item, items[i]);
    // A caption is the name shown in battle, unless the table gives a second name.
    const std::map<MenuItem, std::string> renamed{{MenuItem::ProfHalvard1, "Prof. Halvard"},
                                                  {MenuItem::ProfWendeck1, "Prof. Wendeck"},
                                                  {MenuItem::ProfDunmore1, "Prof. Dunmore"},
                                                  {MenuItem::OrinIsla1, "Orin & Isla"},
                                                  {MenuItem::Me1, "Quorin"},
                                                  {MenuItem::GrandFour1, "Ansel"},
                                                  {MenuItem::LowlandGrandFour1, "Halla"},
                                                  {MenuItem::CoastalGrandFour1, "Jarek"}};
    for (const Opponent& o : Opponents()) {
        const auto it = renamed.find(o.item);
        EXPECT_EQ(o.trainer, it != renamed.end() ? it->second : CaptionOf(o.item)) << o.item;
        EXPECT_TRUE(IsSpecies(o.species)) << o.item;
        EXPECT_GE(o.level, 5);
        EXPECT_LE(o.level, 100);
    }
}

TEST_F(OpponentsTest, LeadersAreNumberedInTheirMenuOrder) {
    std::vector<MenuItem> leaders;
    for (MenuItem group :
         {MenuItem::AldmarkGymLeaders1, MenuItem::BrennarGymLeaders1, MenuItem::CyrelleGymLeaders1})
        for (MenuItem item : LeavesUnder(group)) leaders.push_back(item);
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
        EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::Action1));
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
    EXPECT_EQ(kind(MenuItem::Dorn1), 2);
    EXPECT_EQ(kind(MenuItem::LtHarker1), 2);
    EXPECT_EQ(kind(MenuItem::Odile1), 3);
    EXPECT_EQ(kind(MenuItem::Imara1), 2);

    // Aubric is open before the other Brennar leaders, but gives the ninth badge only.
    for (int badges : {7, 8, 9}) {
        game.state.BadgeCount = static_cast<std::uint8_t>(badges);
        EXPECT_EQ(kind(MenuItem::Aubric1), badges == 8 ? 3 : 2) << badges;
    }

    game.state.BadgeCount = 24;
    for (const Opponent& o : Opponents())
        if (o.rule == KindRule::Leader) {
            EXPECT_EQ(kind(o.item), 2) << o.item;
        }
}

TEST_F(OpponentsTest, SpecialsSeriesAndTrainersKinds) {
    EXPECT_EQ(kind(MenuItem::Kell1), 9);
    EXPECT_EQ(kind(MenuItem::Me1), 10);
    game.state.KellBeaten = true;
    EXPECT_EQ(kind(MenuItem::Kell1), 2);
    EXPECT_EQ(kind(MenuItem::Me1), 10);
    game.state.MeBeaten = true;
    EXPECT_EQ(kind(MenuItem::Me1), 2);

    EXPECT_EQ(kind(MenuItem::GrandFour1), 4);
    EXPECT_EQ(kind(MenuItem::LowlandGrandFour1), 71);
    EXPECT_EQ(kind(MenuItem::CoastalGrandFour1), 81);
    for (const auto& item : LeavesUnder(MenuItem::Trainers1)) EXPECT_EQ(kind(item), 2) << item;
}

TEST_F(OpponentsTest, AFighterOutsideTheBandIsSilentlyNotChosen) {
    startPlaying({{4, 11}, {7, 10}});
    game.state.MinLevel = 2;
    game.state.MaxLevel = 10;
    FightOpponent(game, *FindOpponent(MenuItem::Tavrin1));
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

// The catalogue as the player meets it, written out on its own: the group an
// item sits in, its caption, the trainer named in battle, the creature, the
// battle kind of a first fight and what opens the item. A slip in the code's
// table (a species, a level, a caption) shows here, not in a test that reads
// the code's table back.
enum class Flag { None, HighlandChampion, Kell, Me };
struct Gate {
    int badges = 0;
    Flag flag = Flag::None;
};
struct CatalogueRow {
    MenuItem group;
    MenuItem item;
    const char* caption;
    const char* trainer;
    int species;
    int level;
    int code;  // 3 for a leader: the badge battle while its badge is the next
    Gate openedBy;
};
constexpr Gate kFromStart{};
constexpr Gate Badges(int n, Flag flag = Flag::None) {
    return {n, flag};
}
// clang-format off
const CatalogueRow kCatalogue[] = {
    {MenuItem::Beginner1, MenuItem::Tavrin1, "Tavrin", "Tavrin", 4, 5, 2, kFromStart},
    {MenuItem::Beginner1, MenuItem::Ambrel1, "Ambrel", "Ambrel", 7, 5, 2, kFromStart},
    {MenuItem::Beginner1, MenuItem::Dovik1, "Dovik", "Dovik", 1, 5, 2, kFromStart},
    {MenuItem::Beginner1, MenuItem::Pelissa1, "Pelissa", "Pelissa", 25, 5, 2, kFromStart},
    {MenuItem::Beginner1, MenuItem::Morrow1, "Morrow", "Morrow", 152, 10, 2, kFromStart},
    {MenuItem::Beginner1, MenuItem::Quenby1, "Quenby", "Quenby", 155, 10, 2, kFromStart},
    {MenuItem::Beginner1, MenuItem::Ilvane1, "Ilvane", "Ilvane", 158, 10, 2, kFromStart},
    {MenuItem::Novice, MenuItem::Sorcha1, "Sorcha", "Sorcha", 256, 25, 2, kFromStart},
    {MenuItem::Novice, MenuItem::Kesmer1, "Kesmer", "Kesmer", 259, 25, 2, kFromStart},
    {MenuItem::Novice, MenuItem::Lorin1, "Lorin", "Lorin", 253, 25, 2, kFromStart},
    {MenuItem::Intermediate1, MenuItem::ProfHalvard1, "Prof.Halvard", "Prof. Halvard", 99, 50, 2, kFromStart},
    {MenuItem::Intermediate1, MenuItem::ProfWendeck1, "Prof.Wendeck", "Prof. Wendeck", 172, 50, 2, kFromStart},
    {MenuItem::Intermediate1, MenuItem::ProfDunmore1, "Prof.Dunmore", "Prof. Dunmore", 350, 50, 2, kFromStart},
    {MenuItem::Advanced1, MenuItem::Vesna1, "Vesna", "Vesna", 24, 75, 2, kFromStart},
    {MenuItem::Advanced1, MenuItem::Rusk1, "Rusk", "Rusk", 110, 75, 2, kFromStart},
    {MenuItem::Expert1, MenuItem::Severin1, "Severin", "Severin", 150, 100, 2, kFromStart},
    {MenuItem::AldmarkGymLeaders1, MenuItem::Dorn1, "Dorn", "Dorn", 74, 12, 3, kFromStart},
    {MenuItem::AldmarkGymLeaders1, MenuItem::Nerissa1, "Nerissa", "Nerissa", 120, 18, 3, Badges(1)},
    {MenuItem::AldmarkGymLeaders1, MenuItem::LtHarker1, "Lt. Harker", "Lt. Harker", 26, 22, 3, Badges(2)},
    {MenuItem::AldmarkGymLeaders1, MenuItem::Odile1, "Odile", "Odile", 45, 25, 3, Badges(3)},
    {MenuItem::AldmarkGymLeaders1, MenuItem::Imara1, "Imara", "Imara", 49, 28, 3, Badges(4)},
    {MenuItem::AldmarkGymLeaders1, MenuItem::Tilde1, "Tilde", "Tilde", 89, 32, 3, Badges(5)},
    {MenuItem::AldmarkGymLeaders1, MenuItem::Fenwick1, "Fenwick", "Fenwick", 126, 35, 3, Badges(6)},
    {MenuItem::AldmarkGymLeaders1, MenuItem::Roderic1, "Roderic", "Roderic", 34, 40, 3, Badges(7)},
    {MenuItem::FightTrainer1, MenuItem::GrandFour1, "Highland Grand Four", "Ansel", 178, 40, 4, Badges(8)},
    {MenuItem::BrennarGymLeaders1, MenuItem::Aubric1, "Aubric", "Aubric", 17, 50, 3, Badges(0, Flag::HighlandChampion)},
    {MenuItem::BrennarGymLeaders1, MenuItem::Nils1, "Nils", "Nils", 123, 53, 3, Badges(9, Flag::HighlandChampion)},
    {MenuItem::BrennarGymLeaders1, MenuItem::Posy1, "Posy", "Posy", 241, 57, 3, Badges(10, Flag::HighlandChampion)},
    {MenuItem::BrennarGymLeaders1, MenuItem::Elwin1, "Elwin", "Elwin", 94, 61, 3, Badges(11, Flag::HighlandChampion)},
    {MenuItem::BrennarGymLeaders1, MenuItem::Grigor1, "Grigor", "Grigor", 62, 64, 3, Badges(12, Flag::HighlandChampion)},
    {MenuItem::BrennarGymLeaders1, MenuItem::Lunet1, "Lunet", "Lunet", 208, 70, 3, Badges(13, Flag::HighlandChampion)},
    {MenuItem::BrennarGymLeaders1, MenuItem::Haskel1, "Haskel", "Haskel", 87, 75, 3, Badges(14, Flag::HighlandChampion)},
    {MenuItem::BrennarGymLeaders1, MenuItem::Vesper1, "Vesper", "Vesper", 230, 82, 3, Badges(15, Flag::HighlandChampion)},
    {MenuItem::FightTrainer1, MenuItem::Kell1, "Kell", "Kell", 25, 95, 9, Badges(16)},
    {MenuItem::FightTrainer1, MenuItem::Me1, "Me", "Quorin", 151, 100, 10, Badges(0, Flag::Kell)},
    {MenuItem::CyrelleGymLeaders1, MenuItem::Brigid1, "Brigid", "Brigid", 299, 100, 3, Badges(0, Flag::Me)},
    {MenuItem::CyrelleGymLeaders1, MenuItem::Dunstan1, "Dunstan", "Dunstan", 296, 100, 3, Badges(17, Flag::Me)},
    {MenuItem::CyrelleGymLeaders1, MenuItem::Caddock1, "Caddock", "Caddock", 82, 100, 3, Badges(18, Flag::Me)},
    {MenuItem::CyrelleGymLeaders1, MenuItem::Ravenna1, "Ravenna", "Ravenna", 324, 100, 3, Badges(19, Flag::Me)},
    {MenuItem::CyrelleGymLeaders1, MenuItem::Osric1, "Osric", "Osric", 289, 100, 3, Badges(20, Flag::Me)},
    {MenuItem::CyrelleGymLeaders1, MenuItem::Merle1, "Merle", "Merle", 334, 100, 3, Badges(21, Flag::Me)},
    {MenuItem::CyrelleGymLeaders1, MenuItem::OrinIsla1, "Orin && Isla", "Orin & Isla", 337, 100, 3, Badges(22, Flag::Me)},
    {MenuItem::CyrelleGymLeaders1, MenuItem::Marius1, "Marius", "Marius", 350, 100, 3, Badges(23, Flag::Me)},
    {MenuItem::Elites1, MenuItem::LowlandGrandFour1, "Lowland Grand Four", "Halla", 131, 100, 71, Badges(24)},
    {MenuItem::Elites1, MenuItem::CoastalGrandFour1, "Coastal Grand Four", "Jarek", 262, 100, 81, Badges(24)},
};

// The menus around the opponents and the tournaments, as (parent, item, caption).
struct AroundRow {
    MenuItem parent;
    MenuItem item;
    const char* caption;
};
const AroundRow kAroundTheOpponents[] = {
    {MenuItem::Action1, MenuItem::FightTrainer1, "Fight a Trainer"},
    {MenuItem::FightTrainer1, MenuItem::Trainers1, "Trainers"},
    {MenuItem::Trainers1, MenuItem::Beginner1, "Beginner"},
    {MenuItem::Trainers1, MenuItem::Novice, "Novice"},
    {MenuItem::Trainers1, MenuItem::Intermediate1, "Intermediate"},
    {MenuItem::Trainers1, MenuItem::Advanced1, "Advanced"},
    {MenuItem::Trainers1, MenuItem::Expert1, "Expert"},
    {MenuItem::FightTrainer1, MenuItem::AldmarkGymLeaders1, "Aldmark Gym Leaders"},
    {MenuItem::FightTrainer1, MenuItem::BrennarGymLeaders1, "Brennar Gym Leaders"},
    {MenuItem::FightTrainer1, MenuItem::CyrelleGymLeaders1, "Cyrelle Gym Leaders (L.100)"},
    {MenuItem::FightTrainer1, MenuItem::Elites1, "Other Elites"},
    {MenuItem::Action1, MenuItem::Tournaments1, "Tournaments"},
    {MenuItem::Tournaments1, MenuItem::VeryEasyLevels2101, "Very Easy (Levels 2-10)"},
    {MenuItem::Tournaments1, MenuItem::EasyLevels10301, "Easy (Levels 10-30)"},
    {MenuItem::Tournaments1, MenuItem::IntermediateLevels30501, "Intermediate (Levels 30-50)"},
    {MenuItem::Tournaments1, MenuItem::HardLevels50701, "Hard (Levels 50-70)"},
    {MenuItem::Tournaments1, MenuItem::VeryHardLevels70991, "Very Hard (Levels 70-99)"},
    {MenuItem::Tournaments1, MenuItem::SummitCupLevel1001, "Summit Cup (Level 100)"},
};
// clang-format on

TEST(OpponentCatalogue, TheMenuShowsEveryGroupAndItemUnderItsCaption) {
    for (const AroundRow& want : kAroundTheOpponents) {
        const MenuEntry& entry = EntryOf(want.item);
        EXPECT_EQ(entry.parent, want.parent) << want.item;
        EXPECT_STREQ(entry.caption.english, want.caption) << want.item;
    }
    for (const CatalogueRow& row : kCatalogue) {
        const MenuEntry& entry = EntryOf(row.item);
        EXPECT_EQ(entry.parent, row.group) << row.item;
        EXPECT_STREQ(entry.caption.english, row.caption) << row.item;
    }
}

TEST(OpponentCatalogue, EachOpponentMatchesItsRow) {
    ASSERT_EQ(Opponents().size(), std::size(kCatalogue));
    int leader = 0;
    for (std::size_t i = 0; i < std::size(kCatalogue); ++i) {
        const CatalogueRow& row = kCatalogue[i];
        const Opponent& o = Opponents()[i];
        EXPECT_EQ(o.item, row.item) << i;
        EXPECT_EQ(o.trainer, row.trainer) << row.item;
        EXPECT_EQ(o.species, row.species) << row.item;
        EXPECT_EQ(o.level, row.level) << row.item;

        // The first fight's kind, and the ordinary kind once it no longer applies.
        GameState state;
        if (row.code == 3) {
            ++leader;  // leaders are numbered 1..24 in menu order
            for (int badges = 0; badges <= kBadgeCount; ++badges) {
                state.BadgeCount = static_cast<std::uint8_t>(badges);
                EXPECT_EQ(KindAgainst(state, o), badges + 1 == leader ? 3 : 2)
                    << row.item << " at " << badges << " badges";
            }
            continue;
        }
        EXPECT_EQ(KindAgainst(state, o), row.code) << row.item;
        state.KellBeaten = state.MeBeaten = state.GrandFourChampionBeaten = true;
        state.BadgeCount = kBadgeCount;
        EXPECT_EQ(KindAgainst(state, o), row.code == 9 || row.code == 10 ? 2 : row.code)
            << row.item;
    }
}

class OpponentGatesTest : public GameTest {
protected:
    // Whether the player can reach `item` after loading a game with the given
    // progress: the item and every menu above it are enabled.
    bool reachable(MenuItem item, int badges, Flag flag) {
        game.screens.menus = MenuModel();
        game.state.BadgeCount = static_cast<std::uint8_t>(badges);
        game.state.GrandFourChampionBeaten = flag == Flag::HighlandChampion;
        game.state.KellBeaten = flag == Flag::Kell;
        game.state.MeBeaten = flag == Flag::Me;
        MenusEnabledAtLoad(game);
        for (std::optional<MenuItem> at = item; at && *at != MenuItem::Action1;
             at = EntryOf(*at).parent)
            if (!game.screens.menus.isEnabled(*at)) return false;
        return true;
    }
};

TEST_F(OpponentGatesTest, EachOpponentOpensWithItsBadgeOrVictory) {
    for (const CatalogueRow& row : kCatalogue) {
        const Gate& g = row.openedBy;
        EXPECT_TRUE(reachable(row.item, g.badges, g.flag)) << row.item;
        if (g.badges > 0) {
            EXPECT_FALSE(reachable(row.item, g.badges - 1, g.flag)) << row.item;
        }
        if (g.flag != Flag::None) {
            EXPECT_FALSE(reachable(row.item, g.badges, Flag::None)) << row.item;
        }
    }
}

TEST(OpponentTable, UnknownItemsHaveNoOpponent) {
    EXPECT_EQ(FindOpponent(MenuItem::FindZRKN1), nullptr);
    EXPECT_EQ(FindOpponent(MenuItem::FightTrainer1), nullptr);
    EXPECT_EQ(FindOpponent(MenuItem::Dorn1)->trainer, "Dorn");
}

}  // namespace
}  // namespace zorikan::testing
