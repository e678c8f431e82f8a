#pragma once
// The statistics window's item buttons in a battle: shown while it lasts,
// each enabled when its item is in stock and allowed in this battle.

#include "core/game/game.h"

namespace zorikan {

// Enables each item button whose item is in stock and allowed in this battle.
void EnableButtons(Game& game);
void ShowButtons(Game& game);
void HideButtons(Game& game);

}  // namespace zorikan
