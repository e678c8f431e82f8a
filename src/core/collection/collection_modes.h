#pragma once
// Evolution mode and release mode: the next double-click on a roster
// creature evolves or releases it. While a mode is on, the battles, the Mart
// and the other mode's menu item wait.

#include "core/game/game.h"

namespace zorikan {

// "Evolve a ZORIKAN": switches evolution mode on or off.
void Evolve1Click(Game& game);

// "Release a ZORIKAN": switches release mode on or off; the last creature
// cannot be released, so the mode needs two.
void ReleaseZRKN1Click(Game& game);

// The roster list's double-click on the creature of `species` in `slot`
// while a mode is on: it evolves or is released, and release mode ends.
void DoubleClickInMode(Game& game, int slot, int species);

// Ends evolution mode after its double-click.
void EndEvolutionMode(Game& game);
// Ends release mode: the last step of every double-click on the roster.
void EndReleaseMode(Game& game);

// A split evolution waits for the main window's "Evolve" button.
bool SplitChoicePending(const Game& game);

// While a split choice is pending the battles, the Mart and both modes stay
// disabled, so no battle starts with every creature out of reach.
void HoldMenusForSplitChoice(Game& game);
void ReleaseMenusAfterSplitChoice(Game& game);

}  // namespace zorikan
