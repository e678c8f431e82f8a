#pragma once
// "End Fight": the finished battle is counted and the main window returns to
// idle. Badges, gifts and the next battle of a series or a tournament follow
// the counting.

#include "core/game/game.h"

namespace zorikan {

void EndBattle(Game& game);

// Raises every roster level that lags behind its experience; writes nothing
// to the log and never lowers a level.
void LevelCatchUpPass(Game& game);

}  // namespace zorikan
