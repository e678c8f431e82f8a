#pragma once
// A double-click on a creature in the statistics window's roster list: its
// statistics box, then, as the game stands, the fighter choice of an opened
// battle, an evolution or a release.

#include "core/game/game.h"

namespace zorikan {

// A double-click on roster list entry `index` (from 0; -1 for none).
void RosterDoubleClick(Game& game, int index);

}  // namespace zorikan
