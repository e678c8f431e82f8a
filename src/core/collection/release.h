#pragma once
// Releasing a roster creature for good.

#include "core/game/game.h"

namespace zorikan {

// The double-click in release mode on the creature in `slot`, of `species`:
// asks, then removes it. The ZORIDEX keeps the species registered.
void ReleaseCreature(Game& game, int slot, int species);

// Takes the creature in `slot` out of the roster of `count` creatures: the
// ones after it move down a slot, and the last slot becomes empty.
void CloseRosterGap(GameState& state, int slot, int count);

}  // namespace zorikan
