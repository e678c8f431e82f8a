#pragma once
// A game in which trainer battles are won and lost through the real victory
// and defeat steps: the scripted draws give the deciding blow at once.

#include <string>

#include "core/battle/attack.h"
#include "core/battle/fighter_choice.h"
#include "core/battle/turn.h"
#include "core/collection/roster.h"
#include "core/progress/end_battle.h"
#include "game_fixture.h"

namespace zorikan::testing {

class ProgressTest : public GameTest {
protected:
    // The first of the attacker's attack slots (1..4) that can hurt the defender.
    int hittingSlot(int attacker, int defender) const {
        const GameData& d = game.data;
        for (int slot = 1; slot <= 4; ++slot) {
            const int type = d.AttackType[d.SpeciesAttacks[attacker][slot]];
            if (d.TypeChart[type][d.SpeciesType1[defender]] != 0 &&
                d.TypeChart[type][d.SpeciesType2[defender]] != 0)
                return slot;
        }
        ADD_FAILURE() << "species " << attacker << " cannot hurt species " << defender;
        return 1;
    }
    // The creature of `slot` is shown and chosen in the statistics window.
    void sendOut(int slot) {
        port.answers.push_back(true);
        RosterDoubleClick(game, slot - 1);
        ASSERT_EQ(game.battle.ActiveSlot, slot);
        ASSERT_TRUE(game.screens.main.arena.goVisible);
    }
    // One "Go!" that knocks out the opponent, left with 1 HP.
    void winTurn() {
        game.battle.OppHP = 1;
        const int fighter = game.state.RosterSpecies[game.battle.ActiveSlot];
        game.screens.main.arena.selectedAttack = hittingSlot(fighter, game.battle.OppSpecies) - 1;
        random.draws.insert(random.draws.end(), {0, 19, 0});  // no critical, top spread, prize
        GoClick(game);
        ASSERT_TRUE(game.screens.main.arena.endVisible);
        ASSERT_TRUE(random.draws.empty());
    }
    // The opponent's attack that knocks out the fighter, left with 1 HP.
    void loseTurn() {
        game.battle.OwnHP = 1;
        const int fighter = game.state.RosterSpecies[game.battle.ActiveSlot];
        const int slot = hittingSlot(game.battle.OppSpecies, fighter);
        random.draws.insert(random.draws.end(), {slot - 1, 0, 19});
        DoOppAttack(game);
        ASSERT_EQ(game.battle.BattleKind, 0);
        ASSERT_TRUE(random.draws.empty());
    }
    // Sends out `slot`, wins and presses "End Fight".
    void winWith(int slot) {
        sendOut(slot);
        winTurn();
        EndBattle(game);
    }
    void loseWith(int slot) {
        sendOut(slot);
        loseTurn();
        EndBattle(game);
    }
    const std::string& name(int species) const { return game.data.SpeciesNames[species]; }
    std::vector<std::string> boxes() const { return port.boxes(Shown::Information); }
};

}  // namespace zorikan::testing
