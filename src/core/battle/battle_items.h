#pragma once
// The statistics window's item buttons in battle: capture balls and potions.
// A failed ball or a potion costs the turn; a catch ends the battle.

#include "core/game/game.h"

namespace zorikan {

// The click on item button `button` (ZoriBallButton .. SuperPotionButton).
// A button that is hidden or disabled does nothing.
void UseItem(Game& game, ItemButton button);

// Whether a ball with `limit` catches an opponent with `oppHp` left on the
// draw `r` (0 <= r < limit).
constexpr bool BallCatches(int r, int oppHp) {
    return r >= oppHp + 2;
}

}  // namespace zorikan
