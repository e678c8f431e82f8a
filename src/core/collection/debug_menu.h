#pragma once
// The Debug menu, never shown but reached by its short cut.

#include "core/game/game.h"

namespace zorikan {

// The Debug menu: "Make Visible" only disables itself; the ZORIDEX option
// toggles its check.
void MakeVisible(Game& game);
void ToggleAlwaysShowAttacks(Game& game);

}  // namespace zorikan
