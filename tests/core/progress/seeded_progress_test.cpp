// A whole trainer battle and a whole tournament draw from fixed seeds, their
// logs and boxes pinned line for line: any change in the order of the draws,
// in the opponents' tables or in a message shows up here.

#include <gtest/gtest.h>

#include "core/progress/opponents.h"
#include "core/progress/tournament.h"
#include "pinned_game.h"

namespace zorikan::testing {
namespace {

TEST(SeededProgress, TheWholeLogOfOneBadgeBattleIsPinned) {
    PinnedGame pinned(4711, 4, 45, 91'125);
    Game& game = pinned.game;
    ScriptedPort& port = pinned.port;
    game.state.BadgeCount = 3;

    FightOpponent(game, *FindOpponent(MenuItem::Odile1));
    const std::string log = pinned.fightToTheEnd(1);

    ASSERT_EQ(game.battle.OppSpecies, 45);
    const GameData& data = game.data;
    const std::string expectedLog =
        "Odile wants to fight!\n"
        "Odile sent out {O}!\n"
        "{F}, I choose you!\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 12 points of damage to enemy {O}.\n"
        "Enemy {O} used {O2}!\n"
        "Enemy {O} did 21 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "Critical hit!\n"
        "It's super effective!\n"
        "{F} did 49 points of damage to enemy {O}.\n"
        "Enemy {O} used {O4}!\n"
        "It's not very effective...\n"
        "Enemy {O} did 11 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 30 points of damage to enemy {O}.\n"
        "Enemy {O} used {O1}!\n"
        "Enemy {O} did 26 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 6 points of damage to enemy {O}.\n"
        "Enemy {O} used {O3}!\n"
        "It's not very effective...\n"
        "Enemy {O} did 8 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 40 points of damage to enemy {O}.\n"
        "Enemy {O} used {O4}!\n"
        "It's not very effective...\n"
        "Enemy {O} did 7 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 32 points of damage to enemy {O}.\n"
        "Enemy {O} used {O3}!\n"
        "It's not very effective...\n"
        "Enemy {O} did 14 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 26 points of damage to enemy {O}.\n"
        "Enemy {O} used {O1}!\n"
        "Critical hit!\n"
        "Enemy {O} did 32 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 30 points of damage to enemy {O}.\n"
        "Enemy {O} used {O2}!\n"
        "Enemy {O} did 9 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 2 points of damage to enemy {O}.\n"
        "Enemy {O} used {O2}!\n"
        "Enemy {O} did 10 points of damage to {F}.\n"
        "{F} used {A}!\n"
        "It's super effective!\n"
        "{F} did 36 points of damage to enemy {O}.\n"
        "Enemy {O} fainted!\n"
        "{F} gained 1801 experience points!\n"
        "You got 1000¥!\n";
    const std::vector<std::pair<std::string, std::string>> names{
        {"{F}", data.SpeciesNames[4]},
        {"{O}", data.SpeciesNames[45]},
        {"{A}", data.AttackNames[data.SpeciesAttacks[4][2]]},
        {"{O1}", data.AttackNames[data.SpeciesAttacks[45][1]]},
        {"{O2}", data.AttackNames[data.SpeciesAttacks[45][2]]},
        {"{O3}", data.AttackNames[data.SpeciesAttacks[45][3]]},
        {"{O4}", data.AttackNames[data.SpeciesAttacks[45][4]]},
    };
    EXPECT_EQ(log, Filled(expectedLog, names));
    EXPECT_EQ(port.boxes(Shown::Information),
              (std::vector<std::string>{
                  "Select a ZORIKAN from the Statistics Window. You'll be asked to confirm your "
                  "choice.",
                  "# 004 " + data.SpeciesNames[4] + ", L.45, XP:91125, XP to next level:6211",
                  "You earned the " + data.BadgeNames[4] + "!"}));
    EXPECT_EQ(game.state.BadgeCount, 4);
    EXPECT_EQ(game.state.Money, 1000u);
    EXPECT_EQ(game.state.Wins, 1u);
    EXPECT_EQ(game.state.RosterLevel[1], 45);
    EXPECT_EQ(game.state.RosterExp[1], 92'926u);
}

TEST(SeededProgress, TheWholeDrawOfOneTournamentIsPinned) {
    PinnedGame pinned(1312, 1, 20, 8000);
    Game& game = pinned.game;
    ScriptedPort& port = pinned.port;
    game.state.Money = 2500;

    EnterTournament(game, 2);
    std::string draw;
    const TournamentDraw& t = game.tournament;
    for (int m = 1; m <= 8; ++m)
        draw += std::to_string(m) + ": trainer " + std::to_string(t.TournamentTrainerIdx[m]) +
                ", species " + std::to_string(t.TournamentSpecies[m]) + ", L." +
                std::to_string(t.TournamentLevels[m]) + "\n";
    EXPECT_EQ(draw,
              "1: trainer 28, species 302, L.25\n"
              "2: trainer 59, species 221, L.14\n"
              "3: trainer 42, species 84, L.23\n"
              "4: trainer 33, species 242, L.18\n"
              "5: trainer 23, species 189, L.20\n"
              "6: trainer 46, species 242, L.30\n"
              "7: trainer 34, species 48, L.21\n"
              "8: trainer 49, species 43, L.30\n");
    const std::string& trainer = game.data.TournamentTrainers[28];
    EXPECT_EQ(port.log, (std::vector<std::string>{
                            trainer + " wants to fight!",
                            trainer + " sent out " + game.data.SpeciesNames[302] + "!"}));
    EXPECT_EQ(port.boxes(Shown::Information),
              std::vector<std::string>{"Select a ZORIKAN from the Statistics Window. You'll be "
                                       "asked to confirm your choice."});
    EXPECT_EQ(game.battle.BattleKind, 21);
    EXPECT_EQ(game.state.Money, 500u);
    // The next draw shows how many draws the redraws used up.
    EXPECT_EQ(pinned.random.Random(1'000'000), 630'475);
}

}  // namespace
}  // namespace zorikan::testing
