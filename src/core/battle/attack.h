#pragma once
// One attack of a battle, either side: the critical roll, the spread, power
// times level, the type chart, the log lines, and at 0 HP the victory or the
// defeat with their experience and money.

#include <cstdint>

#include "core/game/game.h"

namespace zorikan {

// The fighter attacks with the attack selected in the arena (items 0..3).
void DoOwnAttack(Game& game);
// The opponent attacks with one of its four attacks, drawn at random.
void DoOppAttack(Game& game);

// Experience for beating an opponent of `level`: L^3 - (L-1)^3.
std::uint32_t ExperienceFor(int level);

// The prize for a win before the random factor: the badge and Omnivar
// factors applied to 1 (so 250 x draw x this is the prize).
std::uint32_t MoneyFactor(const GameState& state);

// Whether a win in a battle of `kind` raises levels at once; tournament
// matches before the final and the elite series let them catch up later.
constexpr bool LevelsUpAfter(std::uint8_t kind) {
    return kind <= 10 || kind % 10 >= 8;
}

}  // namespace zorikan
