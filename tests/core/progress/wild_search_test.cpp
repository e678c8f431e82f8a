// The wild search: which species it may bring at each stage of progress, its
// levels, redrawing of rejected species, and the chosen-species panel of an
// Omnivar owner.

#include <iterator>
#include <set>
#include <utility>
#include <vector>

#include "battle_fixture.h"
#include "core/progress/wild_search.h"

namespace zorikan::testing {
namespace {

// The search's species rules as designed, written apart from the game's own
// table: species never met by searching, and species held back until the
// player has more than a row's badges.
constexpr int kNeverSearched[] = {134, 135, 136, 150, 151, 196, 197, 251, 385, 386};
const std::pair<int, std::vector<int>> kHeldBackRows[] = {
    {3, {45, 62, 80, 182, 186, 199, 266, 268, 292, 367, 368}},
    {4, {106, 107, 237}},
    {8, {143}},
    {10, {243, 244, 245}},
    {12, {144, 145, 146}},
    {13, {249, 250}},
    {19, {382, 383, 384}},
    {21, {380, 381}},
};

class WildSearchTest : public BattleTest {
protected:
    void SetUp() override { startPlaying({{4, 20}}); }
    std::set<int> evolutionTargets() const {
        std::set<int> targets;
        for (int s = 1; s <= kSpeciesCount; ++s)
            if (IsSpecies(game.data.EvolvesInto[s])) targets.insert(game.data.EvolvesInto[s]);
        return targets;
    }
    bool allowed(int badges, int species) {
        game.state.BadgeCount = static_cast<std::uint8_t>(badges);
        return !SearchExcludes(game, species);
    }
};

TEST_F(WildSearchTest, SomeSpeciesAreNeverSearched) {
    for (int badges = 0; badges <= 24; ++badges)
        for (int species : kNeverSearched)
            EXPECT_FALSE(allowed(badges, species)) << species << " at " << badges;
}

TEST_F(WildSearchTest, EvolvedSpeciesComeAfterThreeBadges) {
    const std::set<int> targets = evolutionTargets();
    ASSERT_FALSE(targets.empty());
    std::set<int> listed(std::begin(kNeverSearched), std::end(kNeverSearched));
    for (const auto& row : kHeldBackRows) listed.insert(row.second.begin(), row.second.end());
    for (int species : targets) {
        EXPECT_FALSE(allowed(3, species)) << species;
        if (!listed.count(species)) {
            EXPECT_TRUE(allowed(4, species)) << species;
        }
    }
    // Exactly the unevolved species outside every held-back row, at no badges.
    int open = 0;
    for (int species = 1; species <= kSpeciesCount; ++species) open += allowed(0, species);
    EXPECT_GT(open, 0);
    for (int species = 1; species <= kSpeciesCount; ++species)
        if (allowed(0, species)) {
            EXPECT_EQ(targets.count(species), 0u) << species;
        }
}

TEST_F(WildSearchTest, HeldBackSpeciesOpenWithTheirBadgeCount) {
    for (const auto& [lastClosed, species] : kHeldBackRows)
        for (int s : species) {
            EXPECT_FALSE(allowed(lastClosed, s)) << s;
            EXPECT_TRUE(allowed(lastClosed + 1, s)) << s;
        }
}

TEST_F(WildSearchTest, LevelsGrowWithProgress) {
    GameState s;
    const std::pair<int, std::pair<int, int>> byBadges[] = {
        {0, {2, 10}},   {2, {2, 10}},   {3, {2, 20}},   {4, {2, 20}},   {5, {20, 29}},
        {6, {20, 29}},  {7, {30, 39}},  {8, {30, 39}},  {9, {30, 49}},  {10, {30, 49}},
        {11, {40, 59}}, {12, {40, 59}}, {13, {40, 69}}, {14, {40, 69}}, {15, {61, 80}}};
    for (auto [badges, range] : byBadges) {
        s.BadgeCount = static_cast<std::uint8_t>(badges);
        EXPECT_EQ(SearchLevels(s), range) << badges;
    }
    s.KellBeaten = true;
    EXPECT_EQ(SearchLevels(s), std::make_pair(61, 90));
    s.OwnedFlags[150] = true;
    EXPECT_EQ(SearchLevels(s), std::make_pair(71, 100));
    s.BadgeCount = 14;
    EXPECT_EQ(SearchLevels(s), std::make_pair(40, 69)) << "badges decide first";
}

TEST_F(WildSearchTest, TheSearchRedrawsRejectedSpeciesAndOpensTheBattle) {
    game.state.BadgeCount = 5;
    // 150 and 386 are rejected; 106 is open with five badges. Level 20 + 9.
    draws({149, 385, 105, 9});
    FindZRKN1Click(game);
    EXPECT_TRUE(random.draws.empty());
    EXPECT_EQ(game.battle.BattleKind, 2);
    EXPECT_EQ(game.battle.OppSpecies, 106);
    EXPECT_EQ(game.battle.OppLevel, 29);
    EXPECT_EQ(game.battle.OppHP, 290);
    EXPECT_TRUE(game.battle.InWildBattle);
    EXPECT_EQ(port.log, std::vector<std::string>{"Wild " + name(106) + " appeared!"});
    EXPECT_EQ(port.boxes(Shown::Information),
              std::vector<std::string>{Text(text::kChooseFighterNote)});
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::Action1));
    const ArenaModel& arena = game.screens.main.arena;
    EXPECT_TRUE(arena.visible);
    EXPECT_EQ(arena.opponentLabel, "Enemy " + name(106) + " L.29");
    EXPECT_EQ(arena.opponentHpText, "290/290");
    EXPECT_EQ(arena.opponentImage, 105);
    EXPECT_EQ(arena.opponentAttacksCaption, "Enemy " + name(106) + "'s Attacks:");
    EXPECT_EQ(arena.opponentAttacks[3], attackName(106, 4));
    EXPECT_FALSE(arena.attacksVisible);
    EXPECT_EQ(game.state.Fights, 0u) << "opening a battle counts no fight";
}

TEST_F(WildSearchTest, TheOmnivarItemOpensALevelHundredBattle) {
    Omnivar1Click(game);
    EXPECT_EQ(game.battle.OppSpecies, 150);
    EXPECT_EQ(game.screens.main.arena.opponentHpText, "1000/1000");
    EXPECT_EQ(game.battle.BattleKind, 2);
}

TEST_F(WildSearchTest, AnOmnivarOwnerChoosesTheOpponent) {
    startPlaying({{4, 20}, {150, 70}});
    game.screens.main.wildPanel = {false, 12, 40};
    FindZRKN1Click(game);
    const WildPanelModel& panel = game.screens.main.wildPanel;
    EXPECT_TRUE(panel.visible);
    EXPECT_EQ(panel.selectedSpecies, -1);
    EXPECT_EQ(panel.level, 100);
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::Action1));
    EXPECT_EQ(port.boxes(Shown::Information),
              std::vector<std::string>{Text(text::kChosenSpeciesNote)});

    // "Go!" with nothing chosen says why and starts nothing.
    WildPanelGo(game);
    EXPECT_EQ(port.boxes(Shown::Information).back(), Text(text::kNoSpeciesChosen));
    EXPECT_FALSE(game.battle.InWildBattle);
    EXPECT_TRUE(panel.visible);

    game.screens.main.wildPanel.selectedSpecies = 385;
    game.screens.main.wildPanel.level = 2;
    WildPanelGo(game);
    EXPECT_EQ(game.battle.OppSpecies, 386);
    EXPECT_EQ(game.battle.OppLevel, 2);
    EXPECT_FALSE(panel.visible);
}

TEST_F(WildSearchTest, RandomFacesAnySpeciesAtNinetyOrMore) {
    startPlaying({{150, 70}});
    FindZRKN1Click(game);
    draws({385, 10});
    WildPanelRandom(game);
    EXPECT_EQ(game.battle.OppSpecies, 386);
    EXPECT_EQ(game.battle.OppLevel, 100);
    EXPECT_FALSE(game.screens.main.wildPanel.visible);
    EXPECT_FALSE(game.screens.menus.isEnabled(MenuItem::Action1));
}

TEST_F(WildSearchTest, CancelLeavesNoBattle) {
    startPlaying({{150, 70}});
    FindZRKN1Click(game);
    WildPanelCancel(game);
    EXPECT_FALSE(game.screens.main.wildPanel.visible);
    EXPECT_TRUE(game.screens.menus.isEnabled(MenuItem::Action1));
    EXPECT_FALSE(game.battle.InWildBattle);
}

TEST_F(WildSearchTest, OnlyAnOmnivarInTheRosterOpensThePanel) {
    game.state.OwnedFlags[150] = true;  // registered but released
    draws({0, 0});
    FindZRKN1Click(game);
    EXPECT_FALSE(game.screens.main.wildPanel.visible);
    EXPECT_TRUE(game.battle.InWildBattle);
}

TEST(SpeciesEntry, PadsTheNumberToThreeDigits) {
    const GameData& data = RealGameData();
    EXPECT_EQ(SpeciesEntry(data, 7), data.SpeciesNames[7] + " (#007)");
    EXPECT_EQ(SpeciesEntry(data, 45), data.SpeciesNames[45] + " (#045)");
    EXPECT_EQ(SpeciesEntry(data, 386), data.SpeciesNames[386] + " (#386)");
}

}  // namespace
}  // namespace zorikan::testing
