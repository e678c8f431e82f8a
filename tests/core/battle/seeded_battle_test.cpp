// A whole wild battle from one seed, its log pinned line for line: any change
// in the order of the draws or in a message shows up here.

#include <gtest/gtest.h>

#include "core/battle/fighter_choice.h"
#include "core/battle/turn.h"
#include "core/collection/roster.h"
#include "core/progress/end_battle.h"
#include "core/progress/wild_search.h"
#include "scripted_port.h"
#include "test_data.h"

namespace zorikan::testing {
namespace {

std::string Joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

TEST(SeededBattle, TheWholeLogOfOneBattleIsPinned) {
    ScriptedPort port;
    SeededRandom random(2024);
    Game game(RealGameData(), port, random);
    game.screens.main.starterListVisible = true;
    AddZRKN(game, 4, game.speciesName(4), 5);
    game.screens.main.starterListVisible = false;
    game.state.RosterLevel[1] = 40;  // a few points short of level 41
    game.state.RosterExp[1] = 68'900;
    game.state.MinLevel = 2;
    game.state.MaxLevel = 100;

    FindZRKN1Click(game);
    port.answers = {true};
    RosterDoubleClick(game, 0);
    game.screens.main.arena.selectedAttack = 3;
    for (int turn = 0; turn < 100 && !game.screens.main.arena.endVisible; ++turn) GoClick(game);
    ASSERT_TRUE(game.screens.main.arena.endVisible);
    const std::string log = Joined(port.log);
    EndBattle(game);

    ASSERT_EQ(game.battle.OppSpecies, 133);
    const GameData& data = game.data;
    std::string expected =
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
    const std::pair<std::string, std::string> names[] = {
        {"{F}", data.SpeciesNames[4]},
        {"{O}", data.SpeciesNames[133]},
        {"{A}", data.AttackNames[data.SpeciesAttacks[4][4]]},
        {"{O1}", data.AttackNames[data.SpeciesAttacks[133][1]]},
        {"{O2}", data.AttackNames[data.SpeciesAttacks[133][2]]},
        {"{O3}", data.AttackNames[data.SpeciesAttacks[133][3]]},
        {"{O4}", data.AttackNames[data.SpeciesAttacks[133][4]]},
    };
    for (const auto& [key, value] : names)
        for (auto at = expected.find(key); at != std::string::npos; at = expected.find(key, at))
            expected.replace(at, key.size(), value);
    EXPECT_EQ(log, expected);
    EXPECT_EQ(game.state.Wins, 1u);
    EXPECT_EQ(game.state.Fights, 1u);
    EXPECT_EQ(game.state.Money, 500u);
    EXPECT_EQ(game.state.RosterLevel[1], 41);
}

}  // namespace
}  // namespace zorikan::testing
