#pragma once
// A game with a battle under way, and searches of the real data for
// attackers and defenders with the type relations a test needs.

#include <functional>
#include <optional>

#include "core/battle/battle_start.h"
#include "game_fixture.h"

namespace zorikan::testing {

// An attacker species, one of its attack slots (1..4) and a defender.
struct Matchup {
    int attacker = 0;
    int slot = 0;
    int defender = 0;
    int power = 0;
};

struct Multipliers {
    float m1, m2;
};

inline Multipliers ChartFor(const GameData& data, int attack, int defender) {
    const int type = data.AttackType[attack];
    return {data.TypeChart[type][data.SpeciesType1[defender]],
            data.TypeChart[type][data.SpeciesType2[defender]]};
}

// The first matchup in species order whose attack power and multipliers
// satisfy `wanted`; species 150 is left out so money factors stay plain.
inline std::optional<Matchup> FindMatchup(
    const GameData& data, const std::function<bool(int power, Multipliers)>& wanted) {
    for (int attacker = 1; attacker <= kSpeciesCount; ++attacker)
        for (int slot = 1; slot <= 4; ++slot) {
            const int attack = data.SpeciesAttacks[attacker][slot];
            for (int defender = 1; defender <= kSpeciesCount; ++defender) {
                if (defender == 150 || attacker == 150) continue;
                if (wanted(data.AttackPower[attack], ChartFor(data, attack, defender)))
                    return Matchup{attacker, slot, defender, data.AttackPower[attack]};
            }
        }
    return std::nullopt;
}

class BattleTest : public GameTest {
protected:
    // A wild battle against `opponent` with the creature of slot 1 confirmed
    // as the fighter and the log cleared, ready for "Go!".
    void fight(int fighter, int fighterLevel, int opponent, int opponentLevel) {
        startPlaying({{fighter, fighterLevel}});
        game.battle.BattleKind = 2;
        StartWildBattle(game, opponent, opponentLevel);
        ConfirmFighter(game, 1, fighter);
        port.clear();
    }
    void select(int item) { game.screens.main.arena.selectedAttack = item; }
    void draws(std::initializer_list<int> list) { random.draws.insert(random.draws.end(), list); }
    const std::string& name(int species) const { return game.data.SpeciesNames[species]; }
    const std::string& attackName(int attacker, int slot) const {
        return game.data.AttackNames[game.data.SpeciesAttacks[attacker][slot]];
    }
};

}  // namespace zorikan::testing
