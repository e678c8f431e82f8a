// A fair start: each starter, at level 5 and always using its strongest
// attack, must win at least half of its battles against the wild creatures
// the search offers before the first badge. The battles run through the
// game's own search, fighter choice and "Go!" with a seeded random source.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "core/end_battle.h"
#include "core/roster.h"
#include "core/turn.h"
#include "core/wild_search.h"
#include "test_data.h"

namespace zorikan::testing {
namespace {

// A player that says Yes to the fighter choice and keeps nothing.
class QuietPort final : public PlayerPort {
public:
    void logLine(const std::string&) override {}
    void information(const std::string&) override {}
    void warning(const std::string&) override {}
    void error(const std::string&) override {}
    bool question(const std::string&) override { return true; }
    void setWindowVisible(Window, bool) override {}
};

// The attack slot (0..3) of the species' strongest attack.
int StrongestSlot(const GameData& data, int species) {
    const auto& attacks = data.SpeciesAttacks[species];
    int best = 0;
    for (int k = 1; k < 4; ++k)
        if (data.AttackPower[attacks[k + 1]] > data.AttackPower[attacks[best + 1]]) best = k;
    return best;
}

struct Tally {
    int won = 0;
    int fought = 0;
    int lowest = 100, highest = 0;  // opponent levels met
};

Tally FirstBattles(int starter, int battles, std::uint32_t seed) {
    QuietPort port;
    SeededRandom random(seed);
    Game game(RealGameData(), port, random);
    game.screens.main.starterListVisible = true;
    AddZRKN(game, starter, game.speciesName(starter), 5);
    game.screens.main.starterListVisible = false;
    game.state.MinLevel = 2;
    game.state.MaxLevel = 100;
    const int slot = StrongestSlot(game.data, starter);
    Tally tally;
    for (int b = 0; b < battles; ++b) {
        game.state.RosterLevel[1] = 5;  // every battle starts from a fresh level-5 starter
        game.state.RosterExp[1] = 125;
        FindZRKN1Click(game);
        tally.lowest = std::min<int>(tally.lowest, game.battle.OppLevel);
        tally.highest = std::max<int>(tally.highest, game.battle.OppLevel);
        RosterDoubleClick(game, 0);
        game.screens.main.arena.selectedAttack = slot;
        for (int turn = 0; turn < 1000 && !game.screens.main.arena.endVisible; ++turn)
            GoClick(game);
        if (!game.screens.main.arena.endVisible) {
            ADD_FAILURE() << "battle " << b << " did not end";
            break;
        }
        ++tally.fought;
        tally.won += game.battle.BattleKind != 0;
        EndBattle(game);
    }
    return tally;
}

TEST(FirstBattles, EachStarterWinsAtLeastHalfItsFirstWildBattles) {
    for (int starter : {1, 4, 7}) {
        SCOPED_TRACE(RealGameData().SpeciesNames[starter]);
        const Tally tally = FirstBattles(starter, 10000, 7919u + starter);
        ASSERT_EQ(tally.fought, 10000);
        // The search itself keeps to levels 2..10 before the first badges.
        EXPECT_EQ(tally.lowest, 2);
        EXPECT_EQ(tally.highest, 10);
        EXPECT_GE(tally.won * 2, tally.fought) << tally.won << " of " << tally.fought;
    }
}

}  // namespace
}  // namespace zorikan::testing
