// A whole wild battle from one seed, its log pinned line for line: any change
// in the order of the draws or in a message shows up here.

#include <gtest/gtest.h>

#include "core/progress/wild_search.h"
#include "marked_texts.h"
#include "pinned_game.h"

namespace zorikan::testing {
namespace {

TEST(SeededBattle, TheWholeLogOfOneBattleIsPinned) {
    PinnedGame pinned(2024, 4, 40, 68'900);  // a few points short of level 41
    Game& game = pinned.game;
    FindZRKN1Click(game);
    const std::string log = pinned.fightToTheEnd(3);

    ASSERT_EQ(game.battle.OppSpecies, 133);
    const GameData& data = game.data;
    const std::string expected =
        "Wild {O} appeared!\n"
        "{F}, I choose you!\n"
        "{F} used {A}!\n"
        "{F} did 7 points of damage to enemy {O}.\n"
        "Enemy {O} used {O2}!\n"
        "Enemy {O} did 9 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 5 points of damage to enemy {O}.\n"
        "Enemy {O} used {O4}!\n"
        "It's not very effective...\n"
        "Enemy {O} did 4 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 1 points of damage to enemy {O}.\n"
        "Enemy {O} used {O4}!\n"
        "It's not very effective...\n"
        "Enemy {O} did 1 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 16 points of damage to enemy {O}.\n"
        "Enemy {O} used {O1}!\n"
        "Critical hit!\n"
        "Enemy {O} did 8 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 6 points of damage to enemy {O}.\n"
        "Enemy {O} used {O2}!\n"
        "Enemy {O} did 1 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 4 points of damage to enemy {O}.\n"
        "Enemy {O} used {O1}!\n"
        "Enemy {O} did 1 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "Critical hit!\n"
        "{F} did 6 points of damage to enemy {O}.\n"
        "Enemy {O} used {O4}!\n"
        "Critical hit!\n"
        "It's not very effective...\n"
        "Enemy {O} did 1 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 6 points of damage to enemy {O}.\n"
        "Enemy {O} used {O2}!\n"
        "Critical hit!\n"
        "Enemy {O} did 1 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 15 points of damage to enemy {O}.\n"
        "Enemy {O} used {O2}!\n"
        "Enemy {O} did 10 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 14 points of damage to enemy {O}.\n"
        "Enemy {O} used {O1}!\n"
        "Enemy {O} did 1 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 9 points of damage to enemy {O}.\n"
        "Enemy {O} used {O4}!\n"
        "Critical hit!\n"
        "It's not very effective...\n"
        "Enemy {O} did 1 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "{F} did 11 points of damage to enemy {O}.\n"
        "Enemy {O} fainted!\n"
        "{F} gained 217 experience points!\n"
        "{F} grew to level 41!\n"
        "You got 500¥!\n";
    const std::vector<std::pair<std::string, std::string>> names = {
        {"{F}", data.SpeciesNames[4]},
        {"{O}", data.SpeciesNames[133]},
        {"{A}", data.AttackNames[data.SpeciesAttacks[4][4]]},
        {"{O1}", data.AttackNames[data.SpeciesAttacks[133][1]]},
        {"{O2}", data.AttackNames[data.SpeciesAttacks[133][2]]},
        {"{O3}", data.AttackNames[data.SpeciesAttacks[133][3]]},
        {"{O4}", data.AttackNames[data.SpeciesAttacks[133][4]]},
    };
    EXPECT_EQ(log, Filled(expected, names));
    EXPECT_EQ(game.state.Wins, 1u);
    EXPECT_EQ(game.state.Fights, 1u);
    EXPECT_EQ(game.state.Money, 500u);
    EXPECT_EQ(game.state.RosterLevel[1], 41);
}

// The same battle in another language: its critical hits and weak attacks,
// both sides' attacks and the wild creature's appearance are that language's.
TEST(SeededBattle, EveryLineOfTheBattleIsInThePlayersLanguage) {
    const MarkedTexts marked;
    PinnedGame pinned(2024, 4, 40, 68'900);
    FindZRKN1Click(pinned.game);
    pinned.fightToTheEnd(3);
    ExpectEveryTextMarked(pinned.port.shown);
}

}  // namespace
}  // namespace zorikan::testing
